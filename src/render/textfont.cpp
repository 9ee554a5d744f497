#include "render/textfont.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>
#include <QThread>

#include <cmath>

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

// The board draws the same strings on every refresh: their shaping is kept
// with the font, at the reference size, so results are exactly the same.
struct TextFont::Shared {
    QFont font;
    QFontMetricsF metrics;
    struct Shaped {
        QList<QGlyphRun> runs;
        double ascent = 0.0; // the runs' baseline below the line's top
    };
    mutable QHash<QString, double> advances;
    mutable QHash<QString, Shaped> shaped;

    double lineSpacing;
    double ascent;

    explicit Shared(const QFont &f) : font(f), metrics(f), lineSpacing(metrics.lineSpacing()), ascent(metrics.ascent()) {}

    double advance(const QString &line) const
    {
        auto it = advances.constFind(line);
        if (it != advances.constEnd())
            return *it;
        if (advances.size() >= kMaxCachedStrings)
            advances.clear();
        return *advances.insert(line, metrics.horizontalAdvance(line));
    }

    const Shaped &shape(const QString &line) const
    {
        auto it = shaped.constFind(line);
        if (it != shaped.constEnd())
            return *it;
        if (shaped.size() >= kMaxCachedStrings)
            shaped.clear();
        QTextLayout layout(line, font);
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine textLine = layout.createLine();
        layout.endLayout();
        Shaped s;
        if (textLine.isValid()) {
            s.runs = textLine.glyphRuns();
            s.ascent = textLine.ascent();
        }
        return *shaped.insert(line, std::move(s));
    }

    static constexpr qsizetype kMaxCachedStrings = 8192;
};

namespace {

using FontCache = QHash<QString, std::shared_ptr<const TextFont::Shared>>;

// Fonts must not outlive the application object: the cache of the thread
// that owns it is emptied when the application goes away.
FontCache &Fonts()
{
    thread_local FontCache cache;
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
    const QString key = QString::number(int(bold) | int(italic) << 1) + face;
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
    return m_shared->advance(line.toString()) * m_scale;
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

void TextFont::draw(QPainter &painter, QStringView text, const QRectF &layout, TextAlign align,
                    const QColor &colour) const
{
    if (!m_shared || text.isEmpty())
        return;
    const QRectF box = measure(text, layout, align);
    const bool clip = box.left() < layout.left() || box.right() > layout.right()
                      || box.bottom() > layout.bottom();
    painter.save();
    if (clip)
        painter.setClipRect(layout, Qt::IntersectClip);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(colour);
    const QTransform base = painter.transform();
    double baseline = layout.y() + ascent();
    ForEachLine(text, [&](QStringView line) {
        if (!line.isEmpty()) {
            double x = layout.x();
            const double w = advance(line) + 2.0 * padding();
            if (align == TextAlign::Center)
                x += (layout.width() - w) / 2.0;
            else if (align == TextAlign::Far)
                x += layout.width() - w;
            const Shared::Shaped &shaped = m_shared->shape(line.toString());
            QTransform t = base;
            t.translate(x + padding(), baseline);
            t.scale(m_scale, m_scale);
            painter.setTransform(t);
            for (const QGlyphRun &run : shaped.runs)
                painter.drawGlyphRun(QPointF(0.0, -shaped.ascent), run);
        }
        baseline += lineSpacing();
    });
    painter.restore();
}

} // namespace zorvan
