#include "render/boardcomposer.h"

#include "document/menudata.h"
#include "render/boardgeometry.h"
#include "render/renderstate.h"
#include "render/stripdrawer.h"

#include <QImage>
#include <QPainter>

namespace zorvan {

bool IsLogoPicture(const QString &picturePath)
{
    // Layouts written on the other platform carry backslash paths.
    const qsizetype slash = std::max(picturePath.lastIndexOf(QLatin1Char('/')),
                                     picturePath.lastIndexOf(QLatin1Char('\\')));
    const QString name = picturePath.mid(slash + 1);
    return name.contains(QLatin1String("logo")) || name.contains(QLatin1String("Logo"))
           || name.contains(QLatin1String("symbol"));
}

void ForEachStripStep(const MenuData &doc, const std::function<void(int, int, bool)> &step)
{
    const int columns = std::clamp(doc.NumberOfColumns, 0, kMaxColumns);
    const int rows = std::clamp(doc.NumberOfRows, 0, kMaxRows);
    const auto forEachStrip = [&](auto &&draw) {
        for (int c = 0; c < columns; ++c)
            for (int r = 0; r < rows; ++r)
                draw(c, r, doc.strip(c, r));
    };

    forEachStrip([&](int c, int r, const StripData &s) {
        step(c, r, true);
        if (!s.SubImageFileName.isEmpty())
            step(c, r, false);
    });
    forEachStrip([&](int c, int r, const StripData &s) {
        if (IsStripInUse(s) && s.SubImageFileName.isEmpty()) {
            step(c, r, true);
            step(c, r, false);
        }
    });
    forEachStrip([&](int c, int r, const StripData &s) {
        if (IsLogoPicture(s.SubImageFileName))
            step(c, r, false);
    });
}

void ComposeBoard(QPainter &painter, const MenuData &doc, RenderState &state)
{
    state.usedFontList.clear();
    ++state.compositions;
    if (!HasDrawableBoard(state) || state.cellGrid.at(0, 0).x() <= 0.0)
        return;
    ForEachStripStep(doc, [&](int c, int r, bool boxStep) { DrawStrip(painter, doc, state, c, r, boxStep); });
}

bool ComposeBoardOnto(QImage &board, const MenuData &doc, RenderState &state)
{
    QPainter painter;
    if (!painter.begin(&board))
        return false;
    if (state.whitePrint)
        painter.fillRect(board.rect(), Qt::white);
    ComposeBoard(painter, doc, state);
    return true;
}

} // namespace zorvan
