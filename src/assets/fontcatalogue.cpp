#include "assets/fontcatalogue.h"

#include "assets/fontnames.h"

#include <QFileInfo>

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdlib>

namespace zorvan {

namespace {

QStringList Strings(FcPattern *pattern, const char *object)
{
    QStringList values;
    FcChar8 *value = nullptr;
    for (int i = 0; FcPatternGetString(pattern, object, i, &value) == FcResultMatch; ++i)
        values << QString::fromUtf8(reinterpret_cast<const char *>(value));
    return values;
}

int Integer(FcPattern *pattern, const char *object, int fallback)
{
    int value = fallback;
    FcPatternGetInteger(pattern, object, 0, &value);
    return value;
}

QString Key(const QString &name)
{
    return name.toCaseFolded();
}

// A display name as the other platform's font list shows it: the regular
// style is left unnamed.
QString DisplayName(const QString &name)
{
    QString shown = name;
    shown.remove(QLatin1String(" Regular"));
    return shown;
}

} // namespace

FontCatalogue::FontCatalogue()
{
    Load();
}

FontCatalogue::~FontCatalogue()
{
    if (m_config)
        FcConfigDestroy(m_config);
}

void FontCatalogue::Refresh()
{
    Load();
}

void FontCatalogue::Load()
{
    if (m_config)
        FcConfigDestroy(m_config);
    // A configuration of our own, not fontconfig's current one: reloading it
    // never pulls the ground from under the fonts Qt is drawing with.
    m_config = FcInitLoadConfigAndFonts();
    Index();
    bool added = false;
    for (const QString &path : std::as_const(m_addedFiles)) {
        if (m_config && !HasFile(path)) {
            FcConfigAppFontAddFile(m_config, reinterpret_cast<const FcChar8 *>(QFile::encodeName(path).constData()));
            added = true;
        }
    }
    if (added)
        Index();
}

bool FontCatalogue::AddFontFile(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (!m_config)
        return false;
    if (HasFile(absolute))
        return true;
    if (!FcConfigAppFontAddFile(m_config, reinterpret_cast<const FcChar8 *>(QFile::encodeName(absolute).constData())))
        return false;
    Index();
    if (!HasFile(absolute))
        return false;
    m_addedFiles << absolute;
    return true;
}

void FontCatalogue::Index()
{
    m_fonts.clear();
    m_byFamily.clear();
    if (!m_config)
        return;
    for (FcSetName setName : {FcSetSystem, FcSetApplication}) {
        FcFontSet *set = FcConfigGetFonts(m_config, setName);
        if (!set)
            continue;
        for (int i = 0; i < set->nfont; ++i) {
            FcPattern *pattern = set->fonts[i];
            Font font;
            FcChar8 *file = nullptr;
            if (FcPatternGetString(pattern, FC_FILE, 0, &file) != FcResultMatch)
                continue;
            font.file = QFile::decodeName(reinterpret_cast<const char *>(file));
            font.families = Strings(pattern, FC_FAMILY);
            font.styles = Strings(pattern, FC_STYLE);
            font.fullNames = Strings(pattern, FC_FULLNAME);
            font.weight = Integer(pattern, FC_WEIGHT, FC_WEIGHT_REGULAR);
            font.slant = Integer(pattern, FC_SLANT, FC_SLANT_ROMAN);
            font.width = Integer(pattern, FC_WIDTH, FC_WIDTH_NORMAL);
            const int index = int(m_fonts.size());
            m_fonts.append(font);
            for (const QString &family : std::as_const(font.families)) {
                QList<int> &list = m_byFamily[Key(family)];
                if (!list.contains(index))
                    list.append(index);
            }
        }
    }
}

bool FontCatalogue::HasFile(const QString &path) const
{
    return std::any_of(m_fonts.cbegin(), m_fonts.cend(), [&](const Font &f) { return f.file == path; });
}

const FontCatalogue::Font *FontCatalogue::RegularOf(const QList<int> &fonts) const
{
    // Upright before slanted, then the weight and width nearest to regular;
    // the path decides between equals so that every run picks the same file.
    const auto score = [](const Font &f) {
        return (f.slant == FC_SLANT_ROMAN ? 0 : 10000) + std::abs(f.weight - FC_WEIGHT_REGULAR) +
               2 * std::abs(f.width - FC_WIDTH_NORMAL);
    };
    const Font *best = nullptr;
    for (int index : fonts) {
        const Font &f = m_fonts[index];
        if (!best || score(f) < score(*best) || (score(f) == score(*best) && f.file < best->file))
            best = &f;
    }
    return best;
}

FontStatus FontCatalogue::Status(const QString &face) const
{
    if (face.isEmpty())
        return FontStatus::Missing;
    if (m_byFamily.contains(Key(face)))
        return FontStatus::Installed;
    return StandInFamily(face).isEmpty() ? FontStatus::Missing : FontStatus::StandIn;
}

bool FontCatalogue::IsInstalled(const QString &face, const QString &text) const
{
    // Without a font configuration nothing can be told apart; stopping every
    // opening for fonts that may well be there would help no one.
    if (!m_config)
        return true;
    return text.isEmpty() || Status(face) != FontStatus::Missing;
}

QString FontCatalogue::StandInFamily(const QString &face) const
{
    if (face.isEmpty() || m_byFamily.contains(Key(face)))
        return {};
    for (const QString &family : FontStandInFamilies(face)) {
        const auto found = m_byFamily.constFind(Key(family));
        if (found == m_byFamily.cend())
            continue;
        // As fontconfig spells it.
        for (const QString &spelled : m_fonts[found->first()].families)
            if (Key(spelled) == Key(family))
                return spelled;
        return family;
    }
    return {};
}

QString FontCatalogue::FontFilePath(const QString &face) const
{
    if (face.isEmpty())
        return {};
    const Font *font = nullptr;
    const QString lookup = FontLookupName(face);
    if (lookup != face) {
        // Known by a style-qualified name: "Cubano Normal" is the family
        // Cubano in the style Normal, or a font whose full name says so.
        QList<int> named;
        for (int i = 0; i < m_fonts.size(); ++i) {
            const Font &f = m_fonts[i];
            bool match = std::any_of(f.fullNames.cbegin(), f.fullNames.cend(),
                                     [&](const QString &n) { return Key(DisplayName(n)) == Key(lookup); });
            for (int k = 0; !match && k < f.families.size() && k < f.styles.size(); ++k)
                match = Key(DisplayName(f.families[k] + u' ' + f.styles[k])) == Key(lookup);
            if (match)
                named << i;
        }
        font = RegularOf(named);
    }
    if (!font) {
        const auto found = m_byFamily.constFind(Key(face));
        if (found != m_byFamily.cend())
            font = RegularOf(*found);
    }
    if (!font)
        return {};
    const QFileInfo info(font->file);
    return info.path() + u'/' + ShortenedFontFileName(info.fileName());
}

QString FontCatalogue::FontFileName(const QString &face) const
{
    const QString path = FontFilePath(face);
    return path.isEmpty() ? QString() : QFileInfo(path).fileName();
}

QStringList FontCatalogue::Families() const
{
    QStringList families;
    for (const Font &f : m_fonts)
        if (!f.families.isEmpty() && !families.contains(f.families.first()))
            families << f.families.first();
    families.sort(Qt::CaseInsensitive);
    return families;
}

} // namespace zorvan
