#include "document/documentsnapshot.h"

#include "document/menudata.h"

#include <QJsonArray>

#include <cmath>
#include <memory>

namespace zorvan {

namespace {

// JSON has no infinities or NaN; those are kept as their names.
QJsonValue Number(double value)
{
    if (std::isfinite(value))
        return value;
    return QString::number(value);
}

class Reader {
public:
    explicit Reader(const QJsonObject &object) : m_object(object) {}

    double number(const char *key, double &out)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (value.isDouble()) {
            out = value.toDouble();
        } else if (value.isString()) {
            bool ok = false;
            const double parsed = value.toString().toDouble(&ok);
            if (!ok || std::isfinite(parsed))
                return fail(key);
            out = parsed;
        } else {
            return fail(key);
        }
        return out;
    }
    void integer(const char *key, int &out)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        const double d = value.toDouble(std::nan(""));
        if (!value.isDouble() || d != std::trunc(d) || d < -2147483648.0 || d > 2147483647.0) {
            fail(key);
            return;
        }
        out = int(d);
    }
    void colour(const char *key, Colour &out)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        const double d = value.toDouble(-1.0);
        if (!value.isDouble() || d != std::trunc(d) || d < 0.0 || d > 4294967295.0) {
            fail(key);
            return;
        }
        out = Colour(d);
    }
    void boolean(const char *key, bool &out)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (!value.isBool()) {
            fail(key);
            return;
        }
        out = value.toBool();
    }
    void text(const char *key, QString &out)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (!value.isString()) {
            fail(key);
            return;
        }
        out = value.toString();
    }
    QJsonObject object(const char *key)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (!value.isObject())
            fail(key);
        return value.toObject();
    }

    bool ok() const { return m_missing.isEmpty(); }
    const QString &missing() const { return m_missing; }

private:
    double fail(const char *key)
    {
        if (m_missing.isEmpty())
            m_missing = QString::fromLatin1(key);
        return 0.0;
    }

    QJsonObject m_object;
    QString m_missing;
};

QJsonObject TextParamsSnapshot(const TextParams &b)
{
    QJsonObject o;
    o.insert(QLatin1String("Xref"), Number(b.Xref));
    o.insert(QLatin1String("Yref"), Number(b.Yref));
    o.insert(QLatin1String("Font"), b.Font);
    o.insert(QLatin1String("ScaleFactor"), Number(b.ScaleFactor));
    o.insert(QLatin1String("Italics"), b.Italics);
    o.insert(QLatin1String("Bold"), b.Bold);
    o.insert(QLatin1String("CenterInStrip"), b.CenterInStrip);
    o.insert(QLatin1String("GroupAlignment"), b.GroupAlignment);
    o.insert(QLatin1String("TextColor"), double(b.TextColor));
    o.insert(QLatin1String("DropShadowColor"), double(b.DropShadowColor));
    o.insert(QLatin1String("Text"), b.Text);
    o.insert(QLatin1String("LineSpacingFactor"), Number(b.LineSpacingFactor));
    return o;
}

QString ReadTextParams(const QJsonObject &object, TextParams &b)
{
    Reader r(object);
    r.number("Xref", b.Xref);
    r.number("Yref", b.Yref);
    r.text("Font", b.Font);
    r.number("ScaleFactor", b.ScaleFactor);
    r.boolean("Italics", b.Italics);
    r.boolean("Bold", b.Bold);
    r.boolean("CenterInStrip", b.CenterInStrip);
    r.integer("GroupAlignment", b.GroupAlignment);
    r.colour("TextColor", b.TextColor);
    r.colour("DropShadowColor", b.DropShadowColor);
    r.text("Text", b.Text);
    r.number("LineSpacingFactor", b.LineSpacingFactor);
    return r.missing();
}

const char *const kBlockNames[kTextItemCount] = {"MainItemTextParams", "SubItemsTextParams", "PricesTextParams"};

QJsonObject StripSnapshot(const StripData &s)
{
    QJsonObject o;
    o.insert(QLatin1String("BackGroundColor"), double(s.BackGroundColor));
    o.insert(QLatin1String("CaloriesTextColor"), double(s.CaloriesTextColor));
    o.insert(QLatin1String("CaloriesItalics"), s.CaloriesItalics);
    o.insert(QLatin1String("SubImageFileName"), s.SubImageFileName);
    o.insert(QLatin1String("SubImageFrameIndex"), s.SubImageFrameIndex);
    o.insert(QLatin1String("ImageHiddenOnWhite"), s.ImageHiddenOnWhite);
    o.insert(QLatin1String("SubImageCropPercentageX"), s.SubImageCropPercentageX);
    o.insert(QLatin1String("SubImageCropPercentageY"), s.SubImageCropPercentageY);
    o.insert(QLatin1String("SubImageCropOriginPercentageX"), s.SubImageCropOriginPercentageX);
    o.insert(QLatin1String("SubImageCropOriginPercentageY"), s.SubImageCropOriginPercentageY);
    o.insert(QLatin1String("SubImageBrightnessFactor"), s.SubImageBrightnessFactor);
    o.insert(QLatin1String("XOffsetFactor"), Number(s.XOffsetFactor));
    o.insert(QLatin1String("YOffsetFactor"), Number(s.YOffsetFactor));
    o.insert(QLatin1String("XSizeFactor"), Number(s.XSizeFactor));
    o.insert(QLatin1String("YSizeFactor"), Number(s.YSizeFactor));
    for (int k = 0; k < kTextItemCount; ++k)
        o.insert(QLatin1String(kBlockNames[k]), TextParamsSnapshot(s.block(k)));
    o.insert(QLatin1String("PriceTabSpacingFactor"), Number(s.PriceTabSpacingFactor));
    o.insert(QLatin1String("CaloriesSpacingFactor"), Number(s.CaloriesSpacingFactor));
    return o;
}

QString ReadStrip(const QJsonObject &object, StripData &s)
{
    Reader r(object);
    r.colour("BackGroundColor", s.BackGroundColor);
    r.colour("CaloriesTextColor", s.CaloriesTextColor);
    r.boolean("CaloriesItalics", s.CaloriesItalics);
    r.text("SubImageFileName", s.SubImageFileName);
    r.integer("SubImageFrameIndex", s.SubImageFrameIndex);
    r.boolean("ImageHiddenOnWhite", s.ImageHiddenOnWhite);
    r.integer("SubImageCropPercentageX", s.SubImageCropPercentageX);
    r.integer("SubImageCropPercentageY", s.SubImageCropPercentageY);
    r.integer("SubImageCropOriginPercentageX", s.SubImageCropOriginPercentageX);
    r.integer("SubImageCropOriginPercentageY", s.SubImageCropOriginPercentageY);
    r.integer("SubImageBrightnessFactor", s.SubImageBrightnessFactor);
    r.number("XOffsetFactor", s.XOffsetFactor);
    r.number("YOffsetFactor", s.YOffsetFactor);
    r.number("XSizeFactor", s.XSizeFactor);
    r.number("YSizeFactor", s.YSizeFactor);
    r.number("PriceTabSpacingFactor", s.PriceTabSpacingFactor);
    r.number("CaloriesSpacingFactor", s.CaloriesSpacingFactor);
    if (!r.ok())
        return r.missing();
    for (int k = 0; k < kTextItemCount; ++k) {
        const QJsonObject block = r.object(kBlockNames[k]);
        if (!r.ok())
            return r.missing();
        const QString missing = ReadTextParams(block, s.block(k));
        if (!missing.isEmpty())
            return QString::fromLatin1(kBlockNames[k]) + QLatin1Char('.') + missing;
    }
    return QString();
}

} // namespace

QJsonObject DocumentSnapshot(const MenuData &doc)
{
    QJsonObject o;
    o.insert(QLatin1String("NumberOfColumns"), doc.NumberOfColumns);
    o.insert(QLatin1String("NumberOfRows"), doc.NumberOfRows);
    o.insert(QLatin1String("BackgroundPath"), doc.BackgroundPath);
    o.insert(QLatin1String("WhitePrintBackground"), doc.WhitePrintBackground);
    o.insert(QLatin1String("Modified"), doc.Modified);
    o.insert(QLatin1String("StyleTemplate"), StripSnapshot(doc.StyleTemplate));
    // Only the records that differ from a new one, so an empty board stays small.
    const StripData fresh;
    QJsonArray strips;
    for (int column = 0; column < kStripColumns; ++column) {
        for (int row = 0; row < kStripRows; ++row) {
            const StripData &strip = doc.strip(column, row);
            if (strip == fresh)
                continue;
            QJsonObject entry = StripSnapshot(strip);
            entry.insert(QLatin1String("Column"), column);
            entry.insert(QLatin1String("Row"), row);
            strips.append(entry);
        }
    }
    o.insert(QLatin1String("Strips"), strips);
    return o;
}

bool ReadDocumentSnapshot(const QJsonObject &snapshot, MenuData &doc, QString *error)
{
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    // Large, so it lives on the heap; doc changes only once everything was read.
    auto read = std::make_unique<MenuData>();
    Reader r(snapshot);
    r.integer("NumberOfColumns", read->NumberOfColumns);
    r.integer("NumberOfRows", read->NumberOfRows);
    r.text("BackgroundPath", read->BackgroundPath);
    r.boolean("WhitePrintBackground", read->WhitePrintBackground);
    r.boolean("Modified", read->Modified);
    const QJsonObject style = r.object("StyleTemplate");
    if (!r.ok())
        return fail(QStringLiteral("no %1").arg(r.missing()));
    if (read->NumberOfColumns < 1 || read->NumberOfColumns > kMaxColumns || read->NumberOfRows < 1
        || read->NumberOfRows > kMaxRows)
        return fail(QStringLiteral("a grid of %1 x %2").arg(read->NumberOfColumns).arg(read->NumberOfRows));
    QString missing = ReadStrip(style, read->StyleTemplate);
    if (!missing.isEmpty())
        return fail(QStringLiteral("no StyleTemplate.%1").arg(missing));

    const QJsonValue strips = snapshot.value(QLatin1String("Strips"));
    if (!strips.isArray())
        return fail(QStringLiteral("no Strips"));
    for (const QJsonValue &value : strips.toArray()) {
        const QJsonObject entry = value.toObject();
        const int column = entry.value(QLatin1String("Column")).toInt(-1);
        const int row = entry.value(QLatin1String("Row")).toInt(-1);
        if (column < 0 || column >= kStripColumns || row < 0 || row >= kStripRows)
            return fail(QStringLiteral("a strip outside the grid"));
        missing = ReadStrip(entry, read->strip(column, row));
        if (!missing.isEmpty())
            return fail(QStringLiteral("no %1 in strip %2,%3").arg(missing).arg(column).arg(row));
    }
    doc = *read;
    return true;
}

} // namespace zorvan
