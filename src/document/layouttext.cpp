#include "document/layouttext.h"

#include "document/layoutvalues.h"
#include "document/menudata.h"
#include "version.h"

#include <QVarLengthArray>

#include <algorithm>

namespace zorvan {

namespace {

const QString kProductName = QStringLiteral("Zorvan PRO Editor 3.0");

class LayoutTextBuilder {
public:
    explicit LayoutTextBuilder(qsizetype expectedSize) { m_text.reserve(expectedSize); }

    void open(QStringView name)
    {
        m_text += u'<';
        m_text += name;
        m_text += u'>';
    }
    void close(QStringView name)
    {
        m_text += u"</";
        m_text += name;
        m_text += u'>';
    }
    void element(QStringView name, QStringView value)
    {
        open(name);
        m_text += value;
        close(name);
    }
    void raw(QStringView text) { m_text += text; }
    QString take() { return std::move(m_text); }

private:
    QString m_text;
};

void WriteTextBlock(LayoutTextBuilder &out, QStringView name, const TextParams &block)
{
    out.open(name);
    out.element(u"Text", block.Text);
    out.element(u"TextColor", FormatLayoutColour(block.TextColor));
    out.element(u"DropShadowColor", FormatLayoutColour(block.DropShadowColor));
    out.element(u"Font", block.Font);
    out.element(u"Xref", FormatLayoutReal(block.Xref));
    out.element(u"Yref", FormatLayoutReal(block.Yref));
    out.element(u"ScaleFactor", FormatLayoutReal(block.ScaleFactor));
    out.element(u"LineSpacingFactor", FormatLayoutReal(block.LineSpacingFactor));
    out.element(u"Bold", FormatLayoutBoolean(block.Bold));
    out.element(u"Italics", FormatLayoutBoolean(block.Italics));
    out.element(u"CenterInStrip", FormatLayoutBoolean(block.CenterInStrip));
    out.element(u"GroupAlignment", FormatLayoutAlignment(block.GroupAlignment));
    out.close(name);
}

void WriteStripContent(LayoutTextBuilder &out, const StripData &s)
{
    out.element(u"BackGroundColor", FormatLayoutColour(s.BackGroundColor));
    out.element(u"CaloriesTextColor", FormatLayoutColour(s.CaloriesTextColor));
    out.element(u"CaloriesItalics", FormatLayoutBoolean(s.CaloriesItalics));
    out.element(u"PriceTabSpacingFactor", FormatLayoutReal(s.PriceTabSpacingFactor));
    out.element(u"CaloriesSpacingFactor", FormatLayoutReal(s.CaloriesSpacingFactor));
    out.element(u"SubImageFileName", s.SubImageFileName);
    out.element(u"ImageHiddenOnWhite", FormatLayoutBoolean(s.ImageHiddenOnWhite));
    out.element(u"SubImageFrameIndex", FormatLayoutInteger(s.SubImageFrameIndex));
    out.element(u"SubImageCropPercentageX", FormatLayoutInteger(s.SubImageCropPercentageX));
    out.element(u"SubImageCropPercentageY", FormatLayoutInteger(s.SubImageCropPercentageY));
    out.element(u"SubImageCropOriginPercentageX", FormatLayoutInteger(s.SubImageCropOriginPercentageX));
    out.element(u"SubImageCropOriginPercentageY", FormatLayoutInteger(s.SubImageCropOriginPercentageY));
    out.element(u"SubImageBrightnessFactor", FormatLayoutInteger(s.SubImageBrightnessFactor));
    out.element(u"XOffsetFactor", FormatLayoutReal(s.XOffsetFactor));
    out.element(u"YOffsetFactor", FormatLayoutReal(s.YOffsetFactor));
    out.element(u"XSizeFactor", FormatLayoutReal(s.XSizeFactor));
    out.element(u"YSizeFactor", FormatLayoutReal(s.YSizeFactor));
    // The main item block is always written, even without text, so that a
    // strip holding only a picture keeps a complete record.
    WriteTextBlock(out, u"MainItemTextParams", s.MainItemTextParams);
    if (!s.SubItemsTextParams.Text.isEmpty())
        WriteTextBlock(out, u"SubItemsTextParams", s.SubItemsTextParams);
    if (!s.PricesTextParams.Text.isEmpty())
        WriteTextBlock(out, u"PricesTextParams", s.PricesTextParams);
}

// "<name>" or "</name>", built without touching the heap: the reader looks up
// tens of thousands of elements in a large layout.
class Tag {
public:
    Tag(QStringView name, bool closing)
    {
        m_tag.append(u'<');
        if (closing)
            m_tag.append(u'/');
        m_tag.append(name.utf16(), name.size());
        m_tag.append(u'>');
    }
    QStringView view() const { return QStringView(m_tag.constData(), m_tag.size()); }

private:
    QVarLengthArray<char16_t, 48> m_tag;
};

} // namespace

QString LayoutNameAndVersion()
{
    return kProductName + QStringLiteral(" Version")
           + QStringLiteral("%1.%2.%3.%4").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionPatch).arg(kVersionTweak);
}

QString StripElementName(int column, int row)
{
    return QStringLiteral("Strip%1-%2").arg(column).arg(row);
}

QString WriteLayoutText(const MenuData &doc, const QString &backgroundPath)
{
    const int columns = std::clamp(doc.NumberOfColumns, 0, kMaxColumns);
    const int rows = std::clamp(doc.NumberOfRows, 0, kMaxRows);
    LayoutTextBuilder out(1024 + qsizetype(columns) * rows * 64);

    out.raw(u"<?xml version=\"1.0\" encoding=\"UTF-16\" standalone=\"yes\"?>");
    out.open(u"MenuData");
    out.open(u"ApplicationData");
    out.element(u"NameAndVersion", LayoutNameAndVersion());
    out.close(u"ApplicationData");

    out.open(u"MenuGeneralData");
    out.element(u"BackgroundFileName", LayoutFileNameOf(backgroundPath));
    out.element(u"NumberOfColumns", FormatLayoutInteger(doc.NumberOfColumns));
    out.element(u"NumberOfRows", FormatLayoutInteger(doc.NumberOfRows));
    out.element(u"WhitePrintBackground", FormatLayoutBoolean(doc.WhitePrintBackground));
    out.close(u"MenuGeneralData");

    out.open(u"StripsData");
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r) {
            const QString name = StripElementName(c, r);
            const StripData &s = doc.strip(c, r);
            out.open(name);
            if (IsStripInUse(s))
                WriteStripContent(out, s);
            out.close(name);
        }
    }
    out.close(u"StripsData");
    out.close(u"MenuData");
    return out.take();
}

QString LayoutFileNameOf(const QString &path)
{
    const qsizetype slash = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    return path.mid(slash + 1);
}

QStringView FindElementValue(QStringView text, QStringView name)
{
    const Tag openTag(name, false);
    const qsizetype open = text.indexOf(openTag.view());
    if (open < 0)
        return {};
    const qsizetype start = open + openTag.view().size();
    const qsizetype end = text.indexOf(Tag(name, true).view(), start);
    if (end < 0)
        return {};
    return text.mid(start, end - start);
}

} // namespace zorvan
