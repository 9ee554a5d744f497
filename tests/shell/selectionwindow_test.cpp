// Selecting, colouring and typing through the real window's widgets and events.
#include "boardview.h"
#include "mainwindow.h"
#include "runworkspace.h"
#include "scriptdialogs.h"

#include "editing/colourcommands.h"
#include "editing/controlids.h"

#include "tempdir.h"

#include <QApplication>
#include <QImageWriter>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QThread>

#include <gtest/gtest.h>

namespace zorvan {
namespace {

using namespace ctl;

QPoint Centre(const QRectF &r)
{
    return QPoint(int(r.x() + r.width() / 2), int(r.y() + r.height() / 2));
}

class SelectionWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(workspace.start(temp.path()));
        window = std::make_unique<MainWindow>(workspace, &dialogs);
        window->Initialise(temp.path() + QLatin1Char('/'));
        window->show();
        window->setClientSize(QSize(1600, 900));
        QApplication::setActiveWindow(window.get());
        QApplication::processEvents();

        MenuData &doc = editor().document();
        QImage background(800, 600, QImage::Format_RGB32);
        background.fill(QColor(30, 30, 30));
        doc.BackgroundPath = temp.file(QStringLiteral("Menu.jpg"));
        ASSERT_TRUE(QImageWriter(doc.BackgroundPath, "jpeg").write(background));
        doc.NumberOfColumns = 2;
        doc.NumberOfRows = 3;
        TextParams &main = doc.strip(0, 0).MainItemTextParams;
        main.Text = QStringLiteral("Burger");
        main.Font = QStringLiteral("DejaVu Sans");
        main.ScaleFactor = 0.3;
        main.Xref = 0.05;
        main.Yref = 0.05;
        doc.strip(0, 0).BackGroundColor = 0x000000FF;
        doc.strip(1, 0).BackGroundColor = 0x00FF0000;
        editor().panel().SetPanelAfterLoading();
        ASSERT_TRUE(editor().RefreshPreview());
        QApplication::processEvents();
    }

    Editor &editor() { return window->editor(); }

    // A left click as the mouse makes it: to the widget under the point, passed up when it is not taken.
    void click(const QPoint &point)
    {
        BoardView &view = window->boardView();
        QWidget *child = view.childAt(point);
        QWidget *target = child ? child : &view;
        const QPointF local = target->mapFrom(&view, point);
        QMouseEvent press(QEvent::MouseButtonPress, local, view.mapToGlobal(QPointF(point)), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, local, view.mapToGlobal(QPointF(point)), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &release);
        QApplication::processEvents();
    }

    void key(QWidget *box, QChar c, bool autoRepeat = false)
    {
        QKeyEvent press(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c), autoRepeat);
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, c.toUpper().unicode(), Qt::NoModifier, QString(c), autoRepeat);
        QApplication::sendEvent(box, &release);
        QApplication::processEvents();
    }

    QPoint blueBox() { return Centre(editor().render().cellGrid.at(1, 0)); }
    QRectF mainText() { return editor().render().textScreenRects.at(0, 0)[MainItem]; }

    test::TempDir temp;
    RunWorkspace workspace;
    ScriptDialogs dialogs;
    std::unique_ptr<MainWindow> window;
};

TEST_F(SelectionWindowTest, AClickOnATextEntersTextModeWithTheBoxesFilledAndFocused)
{
    click(Centre(mainText()));
    ASSERT_TRUE(editor().modes().text);
    // Loading the boxes is not typing: they keep the strip's texts.
    EXPECT_EQ(window->panel().text(MainItemBox), QStringLiteral("Burger"));
    EXPECT_EQ(window->panel().focusedControl(), MainItemBox);
    EXPECT_TRUE(window->panel().isVisible(MainItemActive));
    EXPECT_FALSE(window->panel().isVisible(PricesActive));
    EXPECT_EQ(editor().selection().lastFocusedBox, MainItemBox);
}

TEST_F(SelectionWindowTest, KeysTypedIntoTheBoxGoIntoTheStrip)
{
    click(Centre(mainText()));
    auto *box = qobject_cast<QPlainTextEdit *>(window->panel().widget(MainItemBox));
    ASSERT_TRUE(box);
    box->moveCursor(QTextCursor::End);
    for (QChar c : QStringLiteral("s!"))
        key(box, c);
    EXPECT_EQ(editor().document().strip(0, 0).MainItemTextParams.Text, QStringLiteral("Burgers!"));
    EXPECT_TRUE(editor().modes().text);
}

TEST_F(SelectionWindowTest, HeldKeysRepeatSlowlyInsideTheBoxes)
{
    click(Centre(mainText()));
    auto *box = qobject_cast<QPlainTextEdit *>(window->panel().widget(MainItemBox));
    box->moveCursor(QTextCursor::End);
    key(box, QLatin1Char('x'));
    for (int i = 0; i < 5; ++i)
        key(box, QLatin1Char('x'), true);
    // The repeats came at once after the first press: none of them is taken.
    EXPECT_EQ(editor().document().strip(0, 0).MainItemTextParams.Text, QStringLiteral("Burgerx"));
    // A quarter of a second later the held key repeats once.
    QThread::msleep(260);
    key(box, QLatin1Char('x'), true);
    key(box, QLatin1Char('x'), true);
    EXPECT_EQ(editor().document().strip(0, 0).MainItemTextParams.Text, QStringLiteral("Burgerxx"));
}

// A press of an arrow button takes the keys held in its own click; Ctrl
// stands in for Alt, which window managers often keep for themselves.
TEST_F(SelectionWindowTest, ArrowButtonsTakeTheKeysOfTheirOwnClick)
{
    click(Centre(mainText()));
    ASSERT_TRUE(editor().modes().text);
    QWidget *right = window->panel().widget(MoveRight);
    ASSERT_TRUE(right && right->isVisible() && right->isEnabled());
    const struct {
        Qt::KeyboardModifiers keys;
        double step;
    } cases[] = {{Qt::NoModifier, 0.01}, {Qt::ShiftModifier, 0.001}, {Qt::AltModifier, 0.1},
                 {Qt::ControlModifier, 0.1}, {Qt::ShiftModifier | Qt::ControlModifier, 0.1}};
    for (const auto &c : cases) {
        SCOPED_TRACE(int(c.keys));
        const double before = editor().document().strip(0, 0).MainItemTextParams.Xref;
        const QPointF inside = QRectF(right->rect()).center();
        QMouseEvent press(QEvent::MouseButtonPress, inside, right->mapToGlobal(inside), Qt::LeftButton,
                          Qt::LeftButton, c.keys);
        QApplication::sendEvent(right, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, inside, right->mapToGlobal(inside), Qt::LeftButton,
                            Qt::NoButton, c.keys);
        QApplication::sendEvent(right, &release);
        QApplication::processEvents();
        EXPECT_NEAR(editor().document().strip(0, 0).MainItemTextParams.Xref - before, c.step, 1e-9);
    }
}

TEST_F(SelectionWindowTest, PaletteCellsTakeClicksAndShowTheirColours)
{
    const PaletteCells cells = EditorPaletteCells(editor());
    const auto cellColour = [&](int i) {
        const QImage shot = window->boardView().grab().toImage();
        return QColor(shot.pixel(cells[size_t(i)].topLeft() + QPoint(1, 1)));
    };
    const QColor disabled = cellColour(8); // grey
    EXPECT_TRUE(disabled.red() == disabled.green() && disabled.green() == disabled.blue()) << qPrintable(disabled.name());
    click(blueBox());
    ASSERT_TRUE(editor().modes().background);
    // Yellow, under the faint tint the style gives group boxes.
    const QColor yellow = cellColour(8);
    EXPECT_GT(yellow.red(), 240);
    EXPECT_GT(yellow.green(), 240);
    EXPECT_LT(yellow.blue(), 16);
    click(Centre(cells[8]));
    EXPECT_TRUE(editor().modes().background);
    EXPECT_EQ(editor().document().strip(1, 0).BackGroundColor, 0x0000FFFFu);
    EXPECT_EQ(window->panel().caption(Palette), QStringLiteral("Bgnd Color: Yellow"));
}

TEST_F(SelectionWindowTest, OutlinesShowOnThePreview)
{
    const QRectF box = editor().render().cellGrid.at(1, 0);
    const QPoint onOutline(int(box.center().x()), int(box.top()) + 2);
    const QColor before(window->boardView().grab().toImage().pixel(onOutline));
    click(blueBox());
    ASSERT_TRUE(editor().modes().background);
    const QColor during(window->boardView().grab().toImage().pixel(onOutline));
    EXPECT_NE(before, during);
    EXPECT_TRUE(during == QColor(Qt::black) || during == QColor(Qt::white)) << qPrintable(during.name());
}

} // namespace
} // namespace zorvan
