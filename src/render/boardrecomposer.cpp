#include "render/boardrecomposer.h"

#include "document/menudata.h"
#include "render/boardcomposer.h"
#include "render/boardgeometry.h"
#include "render/rendercaches.h"
#include "render/stripdrawer.h"
#include "render/stripdrawrecord.h"
#include "render/strippicture.h"

#include <QPainter>

#include <algorithm>
#include <cstring>

namespace zorvan {

namespace {

// Past this share of the board drawn again, drawing it all is as quick.
constexpr double kMostOfTheBoard = 0.6;

bool Drawable(const RenderState &state)
{
    return HasDrawableBoard(state) && state.cellGrid.at(0, 0).x() > 0.0;
}

QString PictureFile(const StripData &strip, const RenderState &state)
{
    return strip.SubImageFileName.isEmpty() ? QString()
                                             : PictureDrawPath(strip.SubImageFileName, state.pictureProxiesInUse);
}

} // namespace

struct BoardRecomposer::BoardKey {
    BoardRect boardRect;
    double screenRatio = 0.0;
    int imageWidth = 0;
    int imageHeight = 0;
    int imageResolution = 0;
    int columns = 0;
    int rows = 0;
    bool whitePrint = false;
    bool pictureProxies = false;
    quint64 cacheGeneration = 0;
    QSize boardSize;
    QImage::Format boardFormat = QImage::Format_Invalid;

    friend bool operator==(const BoardKey &, const BoardKey &) = default;
};

namespace {

// Rows [top, bottom] merged where they touch or overlap.
std::vector<QRect> MergeRows(std::vector<std::pair<int, int>> rows, int width, int height)
{
    std::sort(rows.begin(), rows.end());
    std::vector<QRect> merged;
    for (auto [top, bottom] : rows) {
        top = std::max(top, 0);
        bottom = std::min(bottom, height - 1);
        if (top > bottom)
            continue;
        if (!merged.empty() && top <= merged.back().bottom() + 1) {
            merged.back().setBottom(std::max(merged.back().bottom(), bottom));
            continue;
        }
        merged.emplace_back(QPoint(0, top), QPoint(width - 1, bottom));
    }
    return merged;
}

bool ReachesInto(const QRect &ink, const QRect &rows)
{
    return !ink.isEmpty() && ink.top() <= rows.bottom() && ink.bottom() >= rows.top();
}

} // namespace

BoardRecomposer::BoardRecomposer() : m_key(std::make_unique<BoardKey>()), m_strips(kStripColumns * kStripRows) {}

BoardRecomposer::~BoardRecomposer() = default;

bool BoardRecomposer::holdsBackground(const QString &path, const FileStamp &stamp, const QSize &size) const
{
    return !m_background.isNull() && path == m_backgroundPath && stamp == m_backgroundStamp && stamp.size >= 0
           && m_background.size() == size;
}

void BoardRecomposer::setBackground(const QString &path, const FileStamp &stamp, const QImage &background)
{
    m_backgroundPath = path;
    m_backgroundStamp = stamp;
    m_background = background;
    forgetBoard();
}

void BoardRecomposer::forgetBoard()
{
    m_valid = false;
    m_board = QImage();
}

void BoardRecomposer::snapshotStrip(const MenuData &doc, const RenderState &state, int column, int row)
{
    StripDrawRecord &s = m_strips[StripRecordIndex(column, row)];
    s.data = doc.strip(column, row);
    s.picturePath = PictureFile(s.data, state);
    s.pictureStamp = s.picturePath.isEmpty() ? FileStamp() : StampOf(s.picturePath);
    s.stripRect = state.stripScreenRects.at(column, row);
    s.textRects = state.textScreenRects.at(column, row);
    s.tabSpacing = state.priceTabSpacing.at(column, row);
}

BoardRecomposer::Result BoardRecomposer::composePlain(const MenuData &doc, RenderState &state)
{
    forgetBoard();
    m_changedRows = {m_background.rect()};
    m_lastWasFull = true;
    Result result{m_background, true};
    result.ok = ComposeBoardOnto(result.board, doc, state);
    return result;
}

BoardRecomposer::Result BoardRecomposer::composeAll(const MenuData &doc, RenderState &state)
{
    forgetBoard();
    m_changedRows = {m_background.rect()};
    m_lastWasFull = true;
    m_board = m_background;
    QPainter painter;
    if (!painter.begin(&m_board)) {
        Result failed{m_board, false};
        m_board = QImage();
        return failed;
    }
    if (state.whitePrint)
        painter.fillRect(m_board.rect(), Qt::white);
    state.usedFontList.clear();
    ++state.compositions;

    const int columns = std::clamp(doc.NumberOfColumns, 0, kMaxColumns);
    const int rows = std::clamp(doc.NumberOfRows, 0, kMaxRows);
    std::vector<QRectF> inks(m_strips.size());
    const TextStepResults before = state.text;
    ForEachStripStep(doc, [&](int c, int r, bool boxStep) {
        DrawStripRecorded(painter, doc, state, c, r, boxStep, m_strips[StripRecordIndex(c, r)],
                          inks[StripRecordIndex(c, r)], false);
    });
    painter.end();
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r) {
            snapshotStrip(doc, state, c, r);
            m_strips[StripRecordIndex(c, r)].ink = InkPixels(inks[StripRecordIndex(c, r)]);
        }
    }
    state.text = FoldTextResults(doc, m_strips, before, state.text);
    m_outlineColour = state.currentTextColour;
    m_compositions = state.compositions;
    m_valid = true;
    return {m_board, true};
}

BoardRecomposer::Result BoardRecomposer::compose(const MenuData &doc, RenderState &state)
{
    // The font collection and the output render gather what they need from
    // every strip.
    if (m_background.isNull() || state.outputRender || state.fontCollection || state.fontCollector
        || !Drawable(state))
        return composePlain(doc, state);

    BoardKey key;
    key.boardRect = state.boardRect;
    key.screenRatio = state.screenRatio;
    key.imageWidth = state.imageWidth;
    key.imageHeight = state.imageHeight;
    key.imageResolution = state.imageResolution;
    key.columns = std::clamp(doc.NumberOfColumns, 0, kMaxColumns);
    key.rows = std::clamp(doc.NumberOfRows, 0, kMaxRows);
    key.whitePrint = state.whitePrint;
    key.pictureProxies = state.pictureProxiesInUse;
    key.cacheGeneration = RenderCacheGeneration();
    key.boardSize = m_background.size();
    key.boardFormat = m_background.format();
    // The click handler's probes are answered by the strip under them while it draws.
    const bool probing = state.text.priceProbePoint != QPoint(0, 0) || state.text.digitWidthProbe >= 0;
    if (!m_valid || m_board.isNull() || !(key == *m_key) || state.compositions != m_compositions || probing) {
        *m_key = key;
        return composeAll(doc, state);
    }

    // The strips whose drawing would differ from the kept board's, or whose
    // records were changed since by anything but a composition.
    const bool outlineChanged = state.currentTextColour != m_outlineColour;
    std::vector<std::pair<int, int>> dirty;
    for (int c = 0; c < key.columns; ++c) {
        for (int r = 0; r < key.rows; ++r) {
            const StripDrawRecord &s = m_strips[StripRecordIndex(c, r)];
            const StripData &strip = doc.strip(c, r);
            bool changed = !(s.data == strip);
            if (!changed && !strip.SubImageFileName.isEmpty()) {
                const QString picture = PictureFile(strip, state);
                changed = picture != s.picturePath || StampOf(picture) != s.pictureStamp;
            }
            changed = changed || (outlineChanged && strip.PricesTextParams.Text.contains(u'~'));
            changed = changed || !SameRectBits(s.stripRect, state.stripScreenRects.at(c, r))
                      || s.tabSpacing != state.priceTabSpacing.at(c, r);
            const auto &texts = state.textScreenRects.at(c, r);
            for (int k = 0; k < kTextItemCount && !changed; ++k)
                changed = !SameRectBits(s.textRects[static_cast<std::size_t>(k)], texts[static_cast<std::size_t>(k)]);
            if (changed)
                dirty.emplace_back(c, r);
        }
    }

    const TextStepResults before = state.text;
    state.usedFontList.clear();
    ++state.compositions;
    m_lastWasFull = false;
    m_changedRows.clear();
    if (dirty.empty()) {
        state.text = FoldTextResults(doc, m_strips, before, state.text);
        m_compositions = state.compositions;
        return {m_board, true};
    }

    // Where the changed strips leave ink now: measured and recorded, nothing drawn.
    std::vector<char> isDirty(m_strips.size(), 0);
    for (auto [c, r] : dirty)
        isDirty[StripRecordIndex(c, r)] = 1;
    std::vector<QRectF> newInk(m_strips.size());
    {
        QImage nowhere(1, 1, QImage::Format_RGB32);
        QPainter probe(&nowhere);
        ForEachStripStep(doc, [&](int c, int r, bool boxStep) {
            if (isDirty[StripRecordIndex(c, r)])
                DrawStripRecorded(probe, doc, state, c, r, boxStep, m_strips[StripRecordIndex(c, r)],
                                  newInk[StripRecordIndex(c, r)], true);
        });
    }
    std::vector<std::pair<int, int>> touched;
    for (auto [c, r] : dirty) {
        StripDrawRecord &s = m_strips[StripRecordIndex(c, r)];
        for (const QRect &ink : {s.ink, InkPixels(newInk[StripRecordIndex(c, r)])})
            if (!ink.isEmpty())
                touched.emplace_back(ink.top(), ink.bottom());
        s.ink = InkPixels(newInk[StripRecordIndex(c, r)]);
        snapshotStrip(doc, state, c, r);
    }
    m_outlineColour = state.currentTextColour;
    m_changedRows = MergeRows(std::move(touched), m_board.width(), m_board.height());
    int changedHeight = 0;
    for (const QRect &rows : m_changedRows)
        changedHeight += rows.height();
    if (changedHeight > kMostOfTheBoard * m_board.height()) {
        state.text = before;
        --state.compositions;
        return composeAll(doc, state);
    }

    if (!state.whitePrint) {
        const auto bytes = static_cast<std::size_t>(m_board.bytesPerLine());
        for (const QRect &rows : m_changedRows)
            for (int y = rows.top(); y <= rows.bottom(); ++y)
                std::memcpy(m_board.scanLine(y), m_background.constScanLine(y), bytes);
    }
    QPainter painter;
    if (!painter.begin(&m_board)) {
        forgetBoard();
        return {m_background, false};
    }
    for (const QRect &rows : m_changedRows) {
        painter.setClipRect(rows);
        if (state.whitePrint)
            painter.fillRect(rows, Qt::white);
        ForEachStripStep(doc, [&](int c, int r, bool boxStep) {
            if (ReachesInto(m_strips[StripRecordIndex(c, r)].ink, rows))
                DrawStrip(painter, doc, state, c, r, boxStep);
        });
    }
    painter.end();
    // Strips drawn again over unchanged ones record what they recorded before.
    for (const QRect &rows : m_changedRows)
        for (int c = 0; c < key.columns; ++c)
            for (int r = 0; r < key.rows; ++r)
                if (ReachesInto(m_strips[StripRecordIndex(c, r)].ink, rows))
                    snapshotStrip(doc, state, c, r);
    state.text = FoldTextResults(doc, m_strips, before, state.text);
    m_compositions = state.compositions;
    return {m_board, true};
}

} // namespace zorvan
