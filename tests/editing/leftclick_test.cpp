// Clicks on a real board drawn by the editor: what each click selects, the
// status it shows and the panel it leaves behind.
#include "clickboard.h"

#include "editing/colourcommands.h"
#include "editing/controlids.h"
#include "editing/leftclick.h"
#include "editing/stripmodes.h"
#include "render/boardgeometry.h"
#include "render/previewrefresh.h"

#include "tempdir.h"

#include <QImage>
#include <QImageWriter>
#include <QPainter>

#include <gtest/gtest.h>

namespace zorvan {
namespace {

using namespace ctl;

using LeftClickTest = test::ClickBoard;
using test::Centre;
using test::kBlue;

TEST_F(LeftClickTest, StateTableOfClicks)
{
    struct Step {
        const char *what;
        std::function<QPoint(LeftClickTest &)> where;
        const char *mode;
        ColumnRow strip; // the strip of the mode's selection
        int hitTextItem;
        const char *status;
    };
    const Step steps[] = {
        {"the main item of a filled strip", [](auto &t) { return t.onText(0, 0, 0); }, "text", {0, 0}, 0,
         "EDIT MODE:  TEXT"},
        {"its prices", [](auto &t) { return t.onText(0, 0, 2); }, "text", {0, 0}, 2, "EDIT MODE:  TEXT"},
        {"the fill away from the texts", [](auto &) { return QPoint(200, 180); }, "background", {0, 0}, -1,
         "EDIT MODE:  BACKGROUND"},
        {"another filled strip", [](auto &) { return QPoint(600, 100); }, "background", {1, 0}, -1,
         "EDIT MODE:  BACKGROUND"},
        {"a text over a picture", [](auto &t) { return t.onText(1, 1, 0); }, "text", {1, 1}, 0,
         "EDIT MODE:  TEXT"},
        {"two pictures overlapping: the lower column", [](auto &) { return QPoint(600, 380); }, "picture", {0, 1},
         -1, "EDIT MODE:  PICTURE"},
        {"nothing, from Picture mode", [](auto &) { return QPoint(1200, 800); }, "idle", {0, 1}, -1,
         "EDIT MODE:  IDLE"},
        {"a text under a logo", [](auto &t) { return t.onText(1, 2, 0); }, "picture", {1, 2}, -1,
         "EDIT MODE:  PICTURE"},
        {"a bare strip's text", [](auto &t) { return t.onText(0, 2, 0); }, "text", {0, 2}, 0, "EDIT MODE:  TEXT"},
        {"nothing, from Text mode", [](auto &) { return QPoint(1200, 800); }, "idle", {0, 2}, -1,
         "EDIT MODE: IDLE"},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.what);
        const QPoint p = step.where(*this);
        click(p);
        EXPECT_EQ(mode(), QString::fromLatin1(step.mode));
        EXPECT_EQ(status(), QString::fromLatin1(step.status));
        EXPECT_EQ(editor.selection().hitTextItem, step.hitTextItem);
        const Selection &sel = editor.selection();
        const ColumnRow selected = editor.modes().picture      ? sel.pictureEditStrip
                                   : editor.modes().background ? sel.backgroundEditStrip
                                   : editor.modes().text       ? sel.textEditStrip
                                                               : step.strip;
        EXPECT_EQ(selected, step.strip);
    }
}

TEST_F(LeftClickTest, TextModeFillsTheBoxesAndThePanel)
{
    click(onText(0, 0, 0));
    EXPECT_EQ(f.panel.text(MainItemBox), QStringLiteral("Burger"));
    EXPECT_EQ(f.panel.text(SubItemBox), QStringLiteral("with fries"));
    EXPECT_EQ(f.panel.text(PricesBox), QStringLiteral("5.99"));
    EXPECT_EQ(f.panel.focusedControl(), MainItemBox);
    EXPECT_EQ(editor.selection().editedTextItem, 0);
    EXPECT_EQ(editor.selection().currentFontName, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(doc.StyleTemplate, doc.strip(0, 0));
    EXPECT_EQ(editor.undo().index, 0);
    for (int id : {DeleteStrip, AllText, SelectedText, TextToMoveGroup, CenterText, EditStripBackground, ctl::Palette,
                   LoadPicture, MoveUp, SizeUp})
        EXPECT_TRUE(f.panel.isEnabled(id)) << id;
    for (int id : {DeletePicture, EditPictureGroup, ZoomPlus, FrameList, FrameLabel, LineSpacingUp})
        EXPECT_FALSE(f.panel.isEnabled(id)) << id;
    EXPECT_TRUE(f.panel.isChecked(SelectedText));
    EXPECT_FALSE(f.panel.isChecked(AllText));
    EXPECT_EQ(f.panel.caption(ctl::Palette), QStringLiteral("Text Color: White"));
    EXPECT_EQ(editor.selection().activeColourIndex, 2);
    EXPECT_EQ(f.panel.caption(SizeValue), QStringLiteral("0.3"));
    EXPECT_EQ(f.panel.caption(TabSpacingValue), QStringLiteral("8.0"));
    EXPECT_EQ(f.panel.caption(MoveGroup), QStringLiteral("Move Text"));
    EXPECT_EQ(f.panel.state(FrameList).currentIndex, -1);

    click(onText(0, 0, 2));
    EXPECT_EQ(f.panel.caption(HelpVideos), QStringLiteral("Edit Price Help Video"));
    EXPECT_EQ(editor.selection().editedTextItem, 2);
    EXPECT_EQ(f.panel.focusedControl(), PricesBox);
}

TEST_F(LeftClickTest, TheEmptyBlockMarkerShowsAsAnEmptyBoxOnlyForTheClickedBlock)
{
    doc.strip(0, 0).SubItemsTextParams.Text = QStringLiteral("[]");
    doc.strip(0, 0).MainItemTextParams.Text = QStringLiteral("[]");
    editor.RefreshPreview();
    click(onText(0, 0, 1));
    EXPECT_EQ(f.panel.text(SubItemBox), QString());
    EXPECT_EQ(f.panel.text(MainItemBox), QStringLiteral("[]"));
    // The strip keeps its marker until the user types.
    EXPECT_EQ(doc.strip(0, 0).SubItemsTextParams.Text, QStringLiteral("[]"));
}

TEST_F(LeftClickTest, LineSpacingFollowsTheHitBlocksLineCount)
{
    doc.strip(0, 0).SubItemsTextParams.Text = QStringLiteral("with fries\r\nand a drink");
    editor.RefreshPreview();
    click(onText(0, 0, 0));
    EXPECT_FALSE(f.panel.isEnabled(LineSpacingUp));
    click(onText(0, 0, 1));
    EXPECT_TRUE(f.panel.isEnabled(LineSpacingUp));
    EXPECT_TRUE(f.panel.isEnabled(LineSpacingLabel));
    click(QPoint(1200, 800));
    EXPECT_FALSE(f.panel.isEnabled(LineSpacingUp));
}

TEST_F(LeftClickTest, LeavingTextModeDropsAnUnchangedEntryAndReenteringMakesAFreshOne)
{
    click(onText(0, 0, 0));
    EXPECT_EQ(editor.undo().index, 0);
    click(QPoint(1200, 800));
    EXPECT_EQ(editor.undo().index, -1);
    EXPECT_FALSE(f.panel.isEnabled(Undo));
    EXPECT_EQ(doc.StyleTemplate.MainItemTextParams.Text, QString());
    EXPECT_EQ(f.panel.text(MainItemBox), QString());
    click(onText(0, 0, 0));
    EXPECT_EQ(editor.undo().index, 0);
    doc.StyleTemplate.MainItemTextParams.Text = QStringLiteral("Cheeseburger");
    ApplyStyleTemplate(editor);
    click(QPoint(1200, 800));
    EXPECT_EQ(editor.undo().index, 0); // a changed strip keeps its entry
    EXPECT_TRUE(f.panel.isEnabled(Undo));
}

TEST_F(LeftClickTest, ASingleBlankBlockIsEmptiedOnLeavingWithItsOutline)
{
    click(onText(0, 0, 1));
    doc.StyleTemplate.SubItemsTextParams.Text = QStringLiteral(" ");
    ApplyStyleTemplate(editor);
    click(QPoint(1200, 800));
    EXPECT_EQ(doc.strip(0, 0).SubItemsTextParams.Text, QString());
    EXPECT_EQ(textRect(0, 0, 1), QRectF());
    EXPECT_EQ(doc.strip(0, 0).MainItemTextParams.Text, QStringLiteral("Burger"));
}

TEST_F(LeftClickTest, PricesCaretMarkersGoWhenPricesAreEntered)
{
    doc.strip(0, 0).PricesTextParams.Text = QStringLiteral("~5.99");
    doc.strip(1, 1).PricesTextParams.Text = QStringLiteral("~4.50");
    editor.RefreshPreview();
    click(onText(0, 0, 2));
    EXPECT_EQ(doc.strip(1, 1).PricesTextParams.Text, QStringLiteral("4.50"));
    EXPECT_EQ(doc.StyleTemplate.PricesTextParams.Text, QStringLiteral("5.99"));
    EXPECT_EQ(f.panel.text(PricesBox), QStringLiteral("5.99"));
    // The click put the marker back where the clicked price starts.
    EXPECT_EQ(doc.strip(0, 0).PricesTextParams.Text, QStringLiteral("~5.99"));
}

TEST_F(LeftClickTest, TextToBackgroundForABareStripAndClearShrinksItsBox)
{
    click(onText(0, 2, 0));
    ASSERT_TRUE(editor.modes().text);
    // Inside the bare strip's box, on none of its texts.
    click(QPoint(300, 550));
    ASSERT_TRUE(editor.modes().background);
    EXPECT_EQ(editor.selection().backgroundEditStrip, (ColumnRow{0, 2}));
    EXPECT_EQ(f.panel.caption(ctl::Palette), QStringLiteral("Bgnd Color: Clear"));
    EXPECT_EQ(editor.selection().activeColourIndex, 0);
    EXPECT_EQ(f.panel.caption(FrameLabel), QStringLiteral("Bgnd Frame"));
    EXPECT_FALSE(f.panel.isVisible(SizeValue));
    EXPECT_EQ(f.panel.caption(MoveGroup), QStringLiteral("Move Bgnd"));

    const QRectF soup = textRect(0, 2, 0);
    clickPalette(26); // "Green"
    EXPECT_TRUE(editor.modes().background);
    EXPECT_EQ(doc.strip(0, 2).BackGroundColor, PaletteEntries()[26].value);
    EXPECT_EQ(doc.strip(0, 2).XSizeFactor, 1.0);
    EXPECT_EQ(f.panel.caption(ctl::Palette), QStringLiteral("Bgnd Color: Green"));

    clickPalette(0);
    const StripData &bare = doc.strip(0, 2);
    EXPECT_EQ(bare.BackGroundColor, kNoColour);
    // The box now hugs the text, which stays where it was.
    const QRectF box = StripRectInScreenSpace(editor.render(), doc, 0, 2);
    EXPECT_NEAR(box.x(), soup.x(), 1.0);
    EXPECT_NEAR(box.y(), soup.y(), 1.0);
    EXPECT_NEAR(box.height(), soup.height(), 1.0);
    EXPECT_LT(bare.XSizeFactor, 0.9);
    EXPECT_NEAR(textRect(0, 2, 0).x(), soup.x(), 1.0);
    EXPECT_NEAR(textRect(0, 2, 0).y(), soup.y(), 1.0);
}

TEST_F(LeftClickTest, PalettePicksInTextMode)
{
    click(onText(0, 0, 1));
    clickPalette(8);
    EXPECT_TRUE(editor.modes().text);
    EXPECT_EQ(doc.strip(0, 0).SubItemsTextParams.TextColor, 0x0000FFFFu);
    EXPECT_EQ(doc.StyleTemplate.SubItemsTextParams.TextColor, 0x0000FFFFu);
    EXPECT_EQ(doc.strip(0, 0).MainItemTextParams.TextColor, kWhite);
    EXPECT_EQ(editor.selection().currentTextColour, 0x0000FFFFu);
    EXPECT_EQ(editor.selection().activeColourIndex, 8);
    EXPECT_EQ(f.panel.caption(ctl::Palette), QStringLiteral("Text Color: Yellow"));
    EXPECT_EQ(editor.undo().index, 0); // the entry of the mode covers the pick

    // "Clear" colours nothing.
    clickPalette(0);
    EXPECT_TRUE(editor.modes().text);
    EXPECT_EQ(doc.strip(0, 0).SubItemsTextParams.TextColor, 0x0000FFFFu);
    EXPECT_EQ(f.panel.caption(ctl::Palette), QStringLiteral("Text Color: Yellow"));
}

TEST_F(LeftClickTest, AColourOutsideThePaletteMarksNoCell)
{
    doc.strip(0, 0).MainItemTextParams.TextColor = MakeColour(1, 2, 3);
    click(onText(0, 0, 0));
    EXPECT_EQ(editor.selection().activeColourIndex, kPaletteSize);
    EXPECT_EQ(f.panel.caption(ctl::Palette), QStringLiteral("Text Color: R 1, G 2, B 3"));
}

TEST_F(LeftClickTest, PaletteClicksWithoutABoardAreIgnored)
{
    click(onText(0, 0, 0));
    doc.BackgroundPath.clear();
    clickPalette(8);
    EXPECT_TRUE(editor.modes().text);
    EXPECT_EQ(doc.strip(0, 0).MainItemTextParams.TextColor, kWhite);
    // Any click: ignored entirely, Text mode stays.
    click(QPoint(1200, 800));
    EXPECT_TRUE(editor.modes().text);
}

TEST_F(LeftClickTest, ShiftClickStartsGroupModeWithoutLeaveSteps)
{
    click(QPoint(600, 380));
    ASSERT_TRUE(editor.modes().picture);
    click(QPoint(600, 100), true);
    EXPECT_FALSE(editor.modes().anyStripMode());
    EXPECT_TRUE(editor.modes().group);
    EXPECT_EQ(status(), QStringLiteral("EDIT MODE:  GROUP"));
    EXPECT_EQ(editor.undo().index, 0); // no unchanged-entry check
    editor.group().members.push_back({1, 0});
    f.panel.setEnabled(SpaceGroupEvenly, true);
    // A plain click ends group mode and is then handled from Idle.
    click(onText(0, 0, 0));
    EXPECT_FALSE(editor.modes().group);
    EXPECT_TRUE(editor.group().members.empty());
    EXPECT_FALSE(f.panel.isEnabled(SpaceGroupEvenly));
    EXPECT_TRUE(editor.modes().text);
}

TEST_F(LeftClickTest, PictureModePanel)
{
    StripData &wide = doc.strip(0, 1);
    wide.SubImageFrameIndex = 4;
    wide.SubImageCropPercentageX = 100;
    wide.SubImageCropPercentageY = 100;
    text(wide.MainItemTextParams, QStringLiteral("Pie"), 0.05, 0.05);
    editor.RefreshPreview();
    click(QPoint(300, 380));
    ASSERT_TRUE(editor.modes().picture);
    EXPECT_EQ(editor.selection().pictureEditStrip, (ColumnRow{0, 1}));
    EXPECT_EQ(f.panel.state(FrameList).currentIndex, 4);
    EXPECT_EQ(f.panel.caption(FrameLabel), QStringLiteral("Picture Frame"));
    EXPECT_EQ(f.panel.caption(MoveGroup), QStringLiteral("Move Picture"));
    EXPECT_EQ(f.panel.text(MainItemBox), QStringLiteral("Pie"));
    for (int id : {LoadPicture, DeleteStrip, DeletePicture, EditPictureGroup, ZoomPlus, BrightnessPlus, SizeLeft,
                   FrameList, Micro})
        EXPECT_TRUE(f.panel.isEnabled(id)) << id;
    for (int id : {PanUp, PanDown, PanLeft, PanRight, ctl::Palette, CenterText})
        EXPECT_FALSE(f.panel.isEnabled(id)) << id;
    EXPECT_TRUE(f.panel.isVisible(SizeLeft));
    click(QPoint(1200, 800));
    EXPECT_EQ(status(), QStringLiteral("EDIT MODE:  IDLE"));
    for (int id : {LoadPicture, DeletePicture, ZoomPlus, EditPictureGroup, MoveUp})
        EXPECT_FALSE(f.panel.isEnabled(id)) << id;
    EXPECT_EQ(f.panel.caption(MoveGroup), QStringLiteral("Move Text"));
}

TEST_F(LeftClickTest, EditMenuItemBackgroundGoesStraightToBackgroundMode)
{
    click(onText(0, 2, 0));
    ASSERT_TRUE(f.panel.isEnabled(EditStripBackground));
    ASSERT_TRUE(editor.RunCommand(CommandEvent{EditStripBackground}));
    EXPECT_FALSE(editor.modes().text);
    EXPECT_TRUE(editor.modes().background);
    EXPECT_EQ(editor.selection().backgroundEditStrip, (ColumnRow{0, 2}));
    EXPECT_EQ(status(), QStringLiteral("EDIT MODE:  BACKGROUND"));
    EXPECT_FALSE(f.panel.isEnabled(EditStripBackground));
    // One entry for the strip, not a second identical one.
    EXPECT_EQ(editor.undo().index, 0);
}

TEST_F(LeftClickTest, CenterTextInStripTogglesTheEditedBlock)
{
    click(onText(0, 0, 1));
    f.panel.setChecked(CenterText, true);
    ASSERT_TRUE(editor.RunCommand(CommandEvent{CenterText}));
    EXPECT_TRUE(doc.strip(0, 0).SubItemsTextParams.CenterInStrip);
    EXPECT_FALSE(doc.strip(0, 0).MainItemTextParams.CenterInStrip);
    EXPECT_TRUE(doc.Modified);
    f.panel.setChecked(CenterText, false);
    ASSERT_TRUE(editor.RunCommand(CommandEvent{CenterText}));
    EXPECT_FALSE(doc.strip(0, 0).SubItemsTextParams.CenterInStrip);
}

// Pixels of the painted preview against the board composed for output.
TEST_F(LeftClickTest, OutlinesArePaintedOnThePreviewButNeverIntoTheBoard)
{
    const auto paint = [this] {
        QImage window(1600, 900, QImage::Format_RGB32);
        window.fill(Qt::gray);
        QPainter painter(&window);
        editor.PaintPreview(painter);
        return window;
    };
    const QImage before = paint();
    click(QPoint(600, 100)); // background mode on the blue strip
    ASSERT_TRUE(editor.modes().background);
    const QRectF box = StripRectInScreenSpace(editor.render(), doc, 1, 0);
    // The thick boundary runs 2 pixels inside the box, 3 pixels wide, black under white dashes.
    const QPoint onLine(int(box.center().x()), int(box.top()) + 2);
    const QImage during = paint();
    const QColor line(during.pixel(onLine));
    EXPECT_TRUE(line == QColor(Qt::black) || line == QColor(Qt::white)) << qPrintable(line.name());
    bool white = false, black = false;
    for (int x = int(box.left()) + 10; x < int(box.left()) + 40; ++x) {
        const QColor c(during.pixel(x, onLine.y()));
        white = white || c == QColor(Qt::white);
        black = black || c == QColor(Qt::black);
    }
    EXPECT_TRUE(white && black);
    EXPECT_NE(before.pixel(onLine), during.pixel(onLine));

    const PreviewRefresh output = RunOutputRefresh(editor.render(), doc, {0, 0, 1600, 900});
    ASSERT_FALSE(output.board.isNull());
    const QPoint graphics = ScreenToGraphics(editor.render(), QPointF(onLine));
    const QColor exported(output.board.pixel(graphics));
    EXPECT_EQ(exported.blue(), 255) << qPrintable(exported.name());
    EXPECT_EQ(exported.red(), 0);
}

TEST_F(LeftClickTest, TextOutlinesAroundTheBlockAndFaintOnesOnTheOthers)
{
    click(onText(0, 0, 0));
    QImage window(1600, 900, QImage::Format_RGB32);
    window.fill(Qt::gray);
    {
        QPainter painter(&window);
        editor.PaintPreview(painter);
    }
    // Thick boundary: 4 and 2 pixels outside the block, then 2 inside that.
    const QRectF main = textRect(0, 0, 0);
    const QColor edge(window.pixel(int(main.center().x()), int(main.top() - 2 + 2)));
    EXPECT_TRUE(edge == QColor(Qt::black) || edge == QColor(Qt::white)) << qPrintable(edge.name());
    // The prices block: white at half strength over the red fill.
    const QRectF prices = textRect(0, 0, 2);
    const QColor faint(window.pixel(int(prices.center().x()), int(prices.top())));
    EXPECT_NEAR(faint.red(), 255, 2);
    EXPECT_NEAR(faint.green(), 128, 3);
}

} // namespace
} // namespace zorvan
