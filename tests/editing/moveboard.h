#pragma once

// A small board drawn by a real editor, for pressing the arrow, size and
// spacing buttons on what a click selected.
#include "clickboard.h"

#include "editing/commandtable.h"
#include "editing/controlids.h"
#include "editing/leftclick.h"

#include <gtest/gtest.h>

namespace zorvan::test {

// An 800 x 600 board shown 1:1, a 2 x 3 grid of 400 x 200 cells (cell (c, r)
// starts at x 1 + 400 c, y 1 + 200 r):
//   (0,0) bare strip with a main text      (1,0) picture in a box inset by a fifth
//   (0,1) red fill with three texts         (1,1) blue box inset by a fifth
//         (prices right of the main item)
//   (0,2) bare strip with only prices
struct MoveBoard {
    TempDir temp;
    EditorFixture f{temp.file(QStringLiteral("Trelmont/QRT100"))};
    Editor &editor = f.editor;
    MenuData &doc = f.editor.document();

    MoveBoard()
    {
        doc.BackgroundPath = WriteJpeg(temp.file(QStringLiteral("Menu.jpg")), 800, 600, QColor(30, 30, 30));
        doc.NumberOfColumns = 2;
        doc.NumberOfRows = 3;
        const QString picture = WriteJpeg(temp.file(QStringLiteral("pie.jpg")), 64, 48, QColor(200, 150, 0));

        ClickBoard::text(doc.strip(0, 0).MainItemTextParams, QStringLiteral("Soup"), 0.3, 0.3);
        StripData &filled = doc.strip(0, 1);
        filled.BackGroundColor = kRed;
        ClickBoard::text(filled.MainItemTextParams, QStringLiteral("Burger"), 0.3, 0.2);
        ClickBoard::text(filled.SubItemsTextParams, QStringLiteral("with fries"), 0.3, 0.5);
        ClickBoard::text(filled.PricesTextParams, QStringLiteral("5.99"), 0.95, 0.2);
        inset(doc.strip(1, 0)).SubImageFileName = picture;
        inset(doc.strip(1, 1)).BackGroundColor = kBlue;
        ClickBoard::text(doc.strip(0, 2).PricesTextParams, QStringLiteral("2.50"), 0.3, 0.3);
        editor.panel().SetPanelAfterLoading();
        EXPECT_TRUE(editor.RefreshPreview());
    }

    static StripData &inset(StripData &s)
    {
        s.XOffsetFactor = 0.2;
        s.YOffsetFactor = 0.2;
        s.XSizeFactor = 0.5;
        s.YSizeFactor = 0.5;
        return s;
    }

    QRectF textRect(int c, int r, int k) const { return editor.render().textScreenRects.at(c, r)[size_t(k)]; }
    QRectF boxRect(int c, int r) const { return editor.render().stripScreenRects.at(c, r); }
    const BoardRect &board() const { return editor.render().boardRect; }

    // A click on a text block enters Text mode on it.
    void selectText(int c, int r, int k)
    {
        const QRectF rect = textRect(c, r, k);
        ASSERT_GT(rect.width(), 0) << c << "," << r << " block " << k;
        HandleLeftClick(editor, Centre(rect), false);
        ASSERT_TRUE(editor.modes().text);
        ASSERT_EQ(editor.selection().textEditStrip, (ColumnRow{c, r}));
    }
    // A click on a box away from its texts.
    void selectBox(int c, int r)
    {
        const QRectF box = boxRect(c, r);
        HandleLeftClick(editor, QPoint(int(box.right()) - 5, int(box.bottom()) - 5), false);
        ASSERT_TRUE(editor.modes().picture || editor.modes().background);
    }
    void press(int id, bool shift = false, bool alt = false)
    {
        ASSERT_TRUE(editor.RunCommand(CommandEvent{id, shift, alt})) << "no command for " << id;
    }
    // A click on a check box: the box toggles, then its command runs.
    void check(int id)
    {
        f.panel.setChecked(id, !f.panel.isChecked(id));
        press(id);
    }
    QString caption(int id) const { return f.panel.caption(id); }
};

} // namespace zorvan::test
