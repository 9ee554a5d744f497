#pragma once

#include "document/colour.h"
#include "render/decodedimagecache.h"
#include "render/renderstate.h"
#include "render/stripdrawrecord.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <memory>
#include <vector>

namespace zorvan {

class MenuData;

// Keeps the board as last composed and what every strip was drawn from, so
// that the refresh after an edit draws again only the rows of the board the
// edit reaches into: the rows of the changed strips' old and new ink, with
// every strip that reaches into them drawn again in the composition order,
// clipped to them, over the background's pixels of those rows. The result,
// and every rectangle and value the drawing records, is what a full
// composition gives. Rows span the whole board: a picture scaled into its
// box samples the same source pixels for a row whatever the clip, which is
// not so for a clip that cuts its rows short.
//
// Anything that concerns the whole board (background, geometry, white
// print, proxies, fonts) and the full-size output render compose everything.
class BoardRecomposer {
public:
    BoardRecomposer();
    ~BoardRecomposer();
    BoardRecomposer(const BoardRecomposer &) = delete;
    BoardRecomposer &operator=(const BoardRecomposer &) = delete;

    // Whether the background decoded from this file, unchanged since and of
    // this size, is the one kept.
    bool holdsBackground(const QString &path, const FileStamp &stamp, const QSize &size) const;
    // The background the board is drawn on, paintable, and the file and its
    // stamp (taken before it was decoded). Another file or stamp makes the
    // next composition a full one.
    void setBackground(const QString &path, const FileStamp &stamp, const QImage &background);

    struct Result {
        QImage board;
        bool ok = true; // false when the board could not be drawn on
    };
    // Brings the kept board up to date with the document and returns it.
    Result compose(const MenuData &doc, RenderState &state);

    // The next composition draws everything; the background is kept.
    void forgetBoard();

    // The rows the last composition drew, graphics space; the whole board
    // after a full one, none when nothing had changed.
    const std::vector<QRect> &changedRows() const { return m_changedRows; }
    bool lastWasFull() const { return m_lastWasFull; }

    struct BoardKey;

private:
    Result composeAll(const MenuData &doc, RenderState &state);
    Result composePlain(const MenuData &doc, RenderState &state);
    void snapshotStrip(const MenuData &doc, const RenderState &state, int column, int row);

    QString m_backgroundPath;
    FileStamp m_backgroundStamp;
    QImage m_background;

    QImage m_board;
    bool m_valid = false;
    std::unique_ptr<BoardKey> m_key;
    quint64 m_compositions = 0;
    Colour m_outlineColour = kWhite;
    std::vector<StripDrawRecord> m_strips;
    std::vector<QRect> m_changedRows;
    bool m_lastWasFull = false;
};

} // namespace zorvan
