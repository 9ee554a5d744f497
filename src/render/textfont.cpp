#include "render/textfont.h"

#include "render/inkcapture.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <QThread>
#include <QVarLengthArray>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <unordered_map>

namespace zorvan {

namespace {

// Every face is measured and drawn at this pixel size and scaled to the size
// asked for: the font engine only knows whole pixel sizes, the board's texts
// are fractional. Unhinted outlines scale linearly, so nothing is lost.
constexpr int kReferencePixels = 256;

// Lines end at CR LF, a lone CR or a lone LF; a break at the very end opens no
// further line.
template<typename Fn>
void ForEachLine(QStringView text, Fn &&fn)
{
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        fn(text.mid(start, end - start));
        if (end < n && text[end] == u'\r' && end + 1 < n && text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
}

} // namespace

// Lookups by the view the painters hold, without making a string of it.
// Deliberately not noexcept: the standard library then keeps each key's hash
// in its node instead of hashing the strings again while it walks a bucket.
struct StringHash {
    using is_transparent = void;
    std::size_t operator()(QStringView s) const { return qHash(s); }
};
struct StringEqual {
    using is_transparent = void;
    bool operator()(QStringView a, QStringView b) const noexcept { return a == b; }
};

// The board draws the same strings on every refresh: their shaping is kept
// with the font, at the reference size, so results are exactly the same.
struct TextFont::Shared {
    QFont font;
    QFontMetricsF metrics;
    struct Shaped {
        QList<QGlyphRun> runs;
        double ascent = 0.0; // the runs' baseline below the line's top
        // Where the glyphs can leave ink, from the drawing origin of the
        // runs; null for a line without glyphs.
        QRectF ink;
        double advance = 0.0; // the line's width at the reference size
    };
    mutable std::unordered_map<QString, double, StringHash, StringEqual> advances;
    mutable std::unordered_map<QString, Shaped, StringHash, StringEqual> shaped;

    double lineSpacing;
    double ascent;

    explicit Shared(const QFont &f) : font(f), metrics(f), lineSpacing(metrics.lineSpacing()), ascent(metrics.ascent()) {}

    double advance(QStringView line) const
    {
        auto it = advances.find(line);
        if (it != advances.end())
            return it->second;
        if (advances.size() >= kMaxCachedStrings)
            advances.clear();
        const QString key = line.toString();
        return advances.emplace(key, metrics.horizontalAdvance(key)).first->second;
    }

    const Shaped &shape(QStringView line) const
    {
        auto it = shaped.find(line);
        if (it != shaped.end())
            return it->second;
        if (shaped.size() >= kMaxCachedStrings)
            shaped.clear();
        const QString key = line.toString();
        QTextLayout layout(key, font);
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine textLine = layout.createLine();
        layout.endLayout();
        Shaped s;
        s.advance = advance(key);
        if (textLine.isValid()) {
            s.runs = textLine.glyphRuns();
            s.ascent = textLine.ascent();
            // The runs' own bounding rectangles are the line's logical box;
            // slanted and accented glyphs reach beyond it.
            for (const QGlyphRun &run : s.runs) {
                const QRawFont raw = run.rawFont();
                const QList<quint32> glyphs = run.glyphIndexes();
                const QList<QPointF> positions = run.positions();
                for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i) {
                    const QRectF box = raw.boundingRect(glyphs[i]).translated(positions[i]).translated(0.0, -s.ascent);
                    if (!box.isEmpty())
                        s.ink = s.ink.isNull() ? box : s.ink.united(box);
                }
            }
        }
        return shaped.emplace(key, std::move(s)).first->second;
    }

    static constexpr std::size_t kMaxCachedStrings = 8192;
};

namespace {

using FontCache = QHash<std::pair<int, QString>, std::shared_ptr<const TextFont::Shared>>;

// Fonts must not outlive the application object: the cache of the thread
// that owns it is emptied when the application goes away.
// Bumped to have every thread forget its faces before it uses them next.
std::atomic<quint64> g_clearings{0};

FontCache &Fonts()
{
    thread_local FontCache cache;
    thread_local quint64 clearings = 0;
    if (clearings != g_clearings.load()) {
        cache.clear();
        clearings = g_clearings.load();
    }
    thread_local bool cleared = false;
    const QCoreApplication *app = QCoreApplication::instance();
    if (!cleared && app && app->thread() == QThread::currentThread()) {
        qAddPostRoutine([] { Fonts().clear(); });
        cleared = true;
    }
    return cache;
}

} // namespace

TextAlign TextAlignFromGroupAlignment(int groupAlignment)
{
    if (groupAlignment == 1)
        return TextAlign::Center;
    if (groupAlignment >= 2)
        return TextAlign::Far;
    return TextAlign::Near;
}

TextFont::TextFont(const QString &face, double emPixels, bool bold, bool italic)
{
    if (!(emPixels > 0.0) || !std::isfinite(emPixels))
        return;
    // Every block of every strip asks for a font on every refresh; the faces of
    // one board are few, so they are kept for the life of the thread.
    FontCache &cache = Fonts();
    const std::pair<int, QString> key(int(bold) | int(italic) << 1, face);
    auto it = cache.constFind(key);
    if (it == cache.constEnd()) {
        QFont font(face);
        font.setStyleHint(QFont::SansSerif);
        font.setPixelSize(kReferencePixels);
        font.setBold(bold);
        font.setItalic(italic);
        font.setKerning(false);
        font.setHintingPreference(QFont::PreferNoHinting);
        font.setStyleStrategy(QFont::PreferAntialias);
        it = cache.insert(key, std::make_shared<const Shared>(font));
    }
    m_shared = *it;
    m_em = emPixels;
    m_scale = emPixels / kReferencePixels;
}

void TextFont::ClearCaches()
{
    ++g_clearings;
}

double TextFont::EmPixelsFromPoints(double points, int dotsPerInch)
{
    const int dpi = dotsPerInch > 0 ? dotsPerInch : 96;
    return points * dpi / 72.0;
}

bool TextFont::bold() const
{
    return m_shared && m_shared->font.bold();
}

bool TextFont::italic() const
{
    return m_shared && m_shared->font.italic();
}

QString TextFont::resolvedFamily() const
{
    return m_shared ? QFontInfo(m_shared->font).family() : QString();
}

double TextFont::lineSpacing() const
{
    return m_shared ? m_shared->lineSpacing * m_scale : 0.0;
}

double TextFont::ascent() const
{
    return m_shared ? m_shared->ascent * m_scale : 0.0;
}

double TextFont::advance(QStringView line) const
{
    if (!m_shared || line.isEmpty())
        return 0.0;
    return m_shared->advance(line) * m_scale;
}

QRectF TextFont::measure(QStringView text, const QRectF &layout, TextAlign align) const
{
    if (!m_shared || text.isEmpty())
        return QRectF(layout.topLeft(), QSizeF(0.0, 0.0));
    double widest = 0.0;
    int lines = 0;
    ForEachLine(text, [&](QStringView line) {
        widest = std::max(widest, advance(line));
        ++lines;
    });
    const double w = widest + 2.0 * padding();
    const double h = lines * lineSpacing();
    double x = layout.x();
    if (align == TextAlign::Center)
        x += (layout.width() - w) / 2.0;
    else if (align == TextAlign::Far)
        x += layout.width() - w;
    return QRectF(x, layout.y(), w, h);
}

QRectF TextFont::measure(QStringView text) const
{
    return measure(text, QRectF(0.0, 0.0, 0.0, 0.0), TextAlign::Near);
}

namespace {

// A layout this far off any board keeps its clip: its edges would not fit the
// integers a device clip is made of.
bool WithinReach(const QRectF &device)
{
    constexpr double kFarOff = 1.0e9;
    return std::abs(device.left()) < kFarOff && std::abs(device.right()) < kFarOff
           && std::abs(device.top()) < kFarOff && std::abs(device.bottom()) < kFarOff;
}

// The device pixels a clip to rect keeps, rounded the way the raster engine
// rounds a clip rectangle under a transform that only moves and scales.
QRect DeviceClipRect(const QRectF &rect, const QTransform &transform)
{
    const QRectF r = transform.mapRect(rect);
    const int x1 = qRound(r.left());
    const int y1 = qRound(r.top());
    return QRect(x1, y1, qRound(r.right()) - x1, qRound(r.bottom()) - y1);
}

// True when the ink of glyphs drawn under transform lies inside the device
// clip with room to spare: antialiasing and glyph bitmaps reach at most a
// pixel beyond the outlines, so the clip would cut nothing.
bool InkInside(const QRectF &ink, const QTransform &transform, const QRect &clip)
{
    if (ink.isNull())
        return true;
    constexpr double kMargin = 2.0;
    const QRectF device = transform.mapRect(ink);
    return device.left() - kMargin >= clip.left() && device.right() + kMargin <= clip.left() + clip.width()
           && device.top() - kMargin >= clip.top() && device.bottom() + kMargin <= clip.top() + clip.height();
}

} // namespace

void TextFont::draw(QPainter &painter, QStringView text, const QRectF &layout, TextAlign align,
                    const QColor &colour) const
{
    if (!m_shared || text.isEmpty())
        return;
    const QRectF box = measure(text, layout, align);
    bool clip = box.left() < layout.left() || box.right() > layout.right() || box.bottom() > layout.bottom();
    const QTransform base = painter.transform();

    // Where each line goes, so that a clip the glyphs stay well inside of
    // can be left out: setting up a clip costs more than drawing the text.
    struct Placed {
        const Shared::Shaped *shaped;
        QTransform transform;
        // The line's own box, reference size, from the drawing origin.
        QRectF logical;
    };
    QVarLengthArray<Placed, 4> placed;
    double baseline = layout.y() + ascent();
    ForEachLine(text, [&](QStringView line) {
        if (!line.isEmpty()) {
            double x = layout.x();
            const double w = advance(line) + 2.0 * padding();
            if (align == TextAlign::Center)
                x += (layout.width() - w) / 2.0;
            else if (align == TextAlign::Far)
                x += layout.width() - w;
            QTransform t = base;
            t.translate(x + padding(), baseline);
            t.scale(m_scale, m_scale);
            const Shared::Shaped &shaped = m_shared->shape(line);
            placed.append({&shaped, t, QRectF(0.0, -m_shared->ascent, shaped.advance, m_shared->lineSpacing)});
        }
        baseline += lineSpacing();
    });
    if (clip && base.type() <= QTransform::TxScale && WithinReach(base.mapRect(layout))) {
        const QRect device = DeviceClipRect(layout, base);
        clip = !std::all_of(placed.begin(), placed.end(), [&](const Placed &p) {
            return p.transform.type() <= QTransform::TxScale && InkInside(p.shaped->ink, p.transform, device);
        });
    }

    const auto place = [&painter](const Placed &p) {
        painter.setTransform(p.transform);
        ReportInk(painter, p.shaped->ink.isNull() ? p.logical : p.logical.united(p.shaped->ink), 2.0);
    };
    if (InkOnly()) {
        for (const Placed &p : placed)
            place(p);
        painter.setTransform(base);
        return;
    }
    if (clip) {
        painter.save();
        painter.setClipRect(layout, Qt::IntersectClip);
    }
    const QPen pen = painter.pen();
    const bool antialiased = painter.testRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(colour);
    for (const Placed &p : placed) {
        place(p);
        for (const QGlyphRun &run : p.shaped->runs)
            painter.drawGlyphRun(QPointF(0.0, -p.shaped->ascent), run);
    }
    if (clip) {
        painter.restore();
        return;
    }
    painter.setTransform(base);
    painter.setPen(pen);
    painter.setRenderHint(QPainter::TextAntialiasing, antialiased);
}

} // namespace zorvan
