#pragma once

#include "render/renderstate.h"

#include <QColor>
#include <QImage>
#include <QString>

class QPainter;

namespace zorvan {

class BoardRecomposer;
class MenuData;

// The grey the preview area is cleared with before a board is shown.
inline const QColor kButtonFaceGrey(240, 240, 240);

struct PreviewRefresh {
    // False when the board bitmap could not be drawn on; the board is still shown.
    bool ok = true;
    // No background is loaded: nothing was touched.
    bool noBackground = false;
    // The composed board in graphics space; null for geometry-only refreshes
    // and for an empty board.
    QImage board;
    // Set when a resolution read-out was pending: the text to append to the title.
    QString resolutionText;
};

// The part of a refresh that needs no window: loads the background (or its
// proxy), fits the board rectangle into the available area (screen space),
// sets the screen ratio, the image size and resolution, rebuilds the cell
// grid and, unless geometryOnly, composes the board bitmap. A background
// that cannot be read gives an empty board. With a recomposer, the board it
// keeps is brought up to date instead of composed afresh, and the background
// it holds is not decoded again while its file is unchanged.
PreviewRefresh RefreshPreview(RenderState &state, const MenuData &doc, const BoardRect &availableArea,
                              bool geometryOnly, BoardRecomposer *recomposer = nullptr);

// The file the refresh draws from: the background, or its proxy while that
// is in use and exists in the work folder.
QString PreviewBackgroundPath(const RenderState &state, const MenuData &doc);

// Loads the image, stores its vertical resolution and returns the title
// read-out; empty when the image cannot be read.
QString ShowResolution(RenderState &state, const QString &imagePath);

// Draws a composed board scaled into the board rectangle and records where.
void DrawBoardPreview(QPainter &painter, const QImage &board, RenderState &state);

// The full-size refresh that precedes every saved or printed board: drawn
// from the full-size images with the output-render flag set; the proxy flags
// are put back afterwards for the export that follows.
PreviewRefresh RunOutputRefresh(RenderState &state, const MenuData &doc, const BoardRect &availableArea);

} // namespace zorvan
