#include "document/documentsnapshot.h"

#include "document/menudata.h"

#include <QJsonArray>

#include <cmath>
#include <memory>
#include <optional>

namespace zorvan {

namespace {

// JSON has no infinities or NaN; those are kept as their names.
QJsonValue Number(double value)
{
    if (std::isfinite(value))
        return value;
    return QString::number(value);
}

// Every field of a text block and of a strip, named as in the layout text,
// listed once for writing and reading alike. Works on const and non-const
// records.
template <class Block, class Visit>
void TextParamsFields(Block &b, Visit &&field)
{
    field("Xref", b.Xref);
    field("Yref", b.Yref);
    field("Font", b.Font);
    field("ScaleFactor", b.ScaleFactor);
    field("Italics", b.Italics);
    field("Bold", b.Bold);
    field("CenterInStrip", b.CenterInStrip);
    field("GroupAlignment", b.GroupAlignment);
    field("TextColor", b.TextColor);
    field("DropShadowColor", b.DropShadowColor);
    field("Text", b.Text);
    field("LineSpacingFactor", b.LineSpacingFactor);
}

const char *const kBlockNames[kTextItemCount] = {"MainItemTextParams", "SubItemsTextParams", "PricesTextParams"};

template <class Strip, class Visit>
void StripFields(Strip &s, Visit &&field)
{
    field("BackGroundColor", s.BackGroundColor);
    field("CaloriesTextColor", s.CaloriesTextColor);
    field("CaloriesItalics", s.CaloriesItalics);
    field("SubImageFileName", s.SubImageFileName);
    field("SubImageFrameIndex", s.SubImageFrameIndex);
    field("ImageHiddenOnWhite", s.ImageHiddenOnWhite);
    field("SubImageCropPercentageX", s.SubImageCropPercentageX);
    field("SubImageCropPercentageY", s.SubImageCropPercentageY);
    field("SubImageCropOriginPercentageX", s.SubImageCropOriginPercentageX);
    field("SubImageCropOriginPercentageY", s.SubImageCropOriginPercentageY);
    field("SubImageBrightnessFactor", s.SubImageBrightnessFactor);
    field("XOffsetFactor", s.XOffsetFactor);
    field("YOffsetFactor", s.YOffsetFactor);
    field("XSizeFactor", s.XSizeFactor);
    field("YSizeFactor", s.YSizeFactor);
    field("PriceTabSpacingFactor", s.PriceTabSpacingFactor);
    field("CaloriesSpacingFactor", s.CaloriesSpacingFactor);
}

// Writes the fields it is shown into one JSON object.
struct Writer {
    QJsonObject object;

    void operator()(const char *key, double value) { object.insert(QLatin1String(key), Number(value)); }
    void operator()(const char *key, int value) { object.insert(QLatin1String(key), value); }
    void operator()(const char *key, Colour value) { object.insert(QLatin1String(key), double(value)); }
    void operator()(const char *key, bool value) { object.insert(QLatin1String(key), value); }
    void operator()(const char *key, const QString &value) { object.insert(QLatin1String(key), value); }
};

// Reads the fields it is shown from one JSON object and remembers the first
// one missing or of the wrong kind.
class Reader {
public:
    explicit Reader(const QJsonObject &object) : m_object(object) {}

    void operator()(const char *key, double &out)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (value.isDouble()) {
            out = value.toDouble();
            return;
        }
        bool ok = false;
        const double parsed = value.toString().toDouble(&ok);
        if (!value.isString() || !ok || std::isfinite(parsed)) {
            fail(key);
            return;
        }
        out = parsed;
    }
    void operator()(const char *key, int &out)
    {
        if (const std::optional<double> d = whole(key, -2147483648.0, 2147483647.0))
            out = int(*d);
    }
    void operator()(const char *key, Colour &out)
    {
        if (const std::optional<double> d = whole(key, 0.0, 4294967295.0))
            out = Colour(*d);
    }
    void operator()(const char *key, bool &out)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (!value.isBool()) {
            fail(key);
            return;
        }
        out = value.toBool();
    }
    void operator()(const char *key, QString &out)
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
    // A whole number within [lowest, highest], or nothing when it is not one.
    std::optional<double> whole(const char *key, double lowest, double highest)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        const double d = value.toDouble(std::nan(""));
        if (!value.isDouble() || d != std::trunc(d) || d < lowest || d > highest) {
            fail(key);
            return std::nullopt;
        }
        return d;
    }
    void fail(const char *key)
    {
        if (m_missing.isEmpty())
            m_missing = QString::fromLatin1(key);
    }

    QJsonObject m_object;
    QString m_missing;
};

QJsonObject StripSnapshot(const StripData &s)
{
    Writer strip;
    StripFields(s, strip);
    for (int k = 0; k < kTextItemCount; ++k) {
        Writer block;
        TextParamsFields(s.block(k), block);
        strip.object.insert(QLatin1String(kBlockNames[k]), block.object);
    }
    return strip.object;
}

// The name of the first field missing, empty when the strip was read whole.
QString ReadStrip(const QJsonObject &object, StripData &s)
{
    Reader r(object);
    StripFields(s, r);
    if (!r.ok())
        return r.missing();
    for (int k = 0; k < kTextItemCount; ++k) {
        const QJsonObject block = r.object(kBlockNames[k]);
        if (!r.ok())
            return r.missing();
        Reader blockReader(block);
        TextParamsFields(s.block(k), blockReader);
        if (!blockReader.ok())
            return QString::fromLatin1(kBlockNames[k]) + QLatin1Char('.') + blockReader.missing();
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
    r("NumberOfColumns", read->NumberOfColumns);
    r("NumberOfRows", read->NumberOfRows);
    r("BackgroundPath", read->BackgroundPath);
    r("WhitePrintBackground", read->WhitePrintBackground);
    r("Modified", read->Modified);
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
