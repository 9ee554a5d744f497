#include "boardview.h"
#include "mainwindow.h"
#include "runworkspace.h"
#include "scriptdialogs.h"

#include "document/stripdata.h"
#include "editing/controlids.h"
#include "editing/helpcommands.h"
#include "editing/memorypanel.h"

#include "tempdir.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QThread>

#include <gtest/gtest.h>

namespace zorvan {
namespace {

using namespace ctl;

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(workspace.start(temp.path()));
        window = std::make_unique<MainWindow>(workspace, &dialogs);
        window->Initialise(temp.path() + QLatin1Char('/'));
        window->onEnd = [this](int code) { endedWith = code; };
        window->show();
        window->setClientSize(QSize(1600, 900));
        QApplication::processEvents();
    }

    test::TempDir temp;
    RunWorkspace workspace;
    ScriptDialogs dialogs;
    std::unique_ptr<MainWindow> window;
    int endedWith = -1;
};

TEST_F(MainWindowTest, EscapeNeverClosesTheWindow)
{
    window->editor().document().Modified = true;
    QWidget *targets[] = {window.get(), &window->boardView(), window->panel().widget(MainItemBox)};
    for (QWidget *target : targets) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QApplication::processEvents();
    }
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_EQ(endedWith, -1);
    EXPECT_TRUE(QFileInfo::exists(workspace.workFolder()));
}

TEST_F(MainWindowTest, CloseBoxAsksWhenModifiedAndKeepsTheWindowOnCancel)
{
    const QString work = workspace.workFolder();
    window->editor().document().Modified = true;
    dialogs.queueAnswer(MessageAnswer::Cancel);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->editor().document().Modified);
    EXPECT_TRUE(QFileInfo::exists(work));

    dialogs.queueAnswer(MessageAnswer::No);
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(QFileInfo::exists(work));
    EXPECT_EQ(dialogs.messages(), QStringList(2, QStringLiteral("Do you wish to save this image?")));
    EXPECT_TRUE(dialogs.unanswered().isEmpty());
}

TEST_F(MainWindowTest, AButtonPressRunsTheSameCommandAsTheMap)
{
    dialogs.queueAnswer(MessageAnswer::Ok);
    auto *button = qobject_cast<QAbstractButton *>(window->panel().widget(CopyInstructions));
    ASSERT_NE(button, nullptr);
    button->click();
    EXPECT_TRUE(window->lastPressHandled());
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages()[0], QString::fromUtf8(kCopyInstructions));

    // A disabled button cannot be pressed at all.
    QString why;
    EXPECT_FALSE(window->panel().press(TabInstructions, &why));
    EXPECT_EQ(why, QStringLiteral("control 1101 is disabled"));
    EXPECT_FALSE(window->panel().press(LoadBackground, &why));
    EXPECT_EQ(why, QStringLiteral("control 1014 is hidden"));
}

TEST_F(MainWindowTest, WidgetsAgreeWithThePanelWithoutWidgets)
{
    // The same initialisation over the table-backed panel must leave the same states.
    MemoryPanel memory;
    ControlPanel(memory).SetEditingControls(false);
    memory.setCurrentIndex(FrameList, 0);
    for (int id : window->panel().ids()) {
        SCOPED_TRACE(id);
        const ControlState widgetState = window->panel().state(id);
        const ControlState memoryState = memory.state(id);
        EXPECT_EQ(widgetState.enabled, memoryState.enabled);
        EXPECT_EQ(widgetState.visible, memoryState.visible);
        EXPECT_EQ(widgetState.checked, memoryState.checked);
        EXPECT_EQ(widgetState.caption, memoryState.caption);
    }
}

TEST_F(MainWindowTest, ControlsSitAtTheirDialogUnitPositions)
{
    const DialogUnits units = DialogBaseUnits(window->boardView().font());
    EXPECT_GT(units.baseX, 3);
    EXPECT_GT(units.baseY, 8);
    for (const ControlSpec &entry : ControlTable()) {
        if (!FindControl(entry.id))
            continue;
        SCOPED_TRACE(entry.id);
        QWidget *w = window->panel().widget(entry.id);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->pos(), units.rect(entry.dialogRect).topLeft());
        if (entry.kind == ControlKind::IconButton) {
            EXPECT_FALSE(qobject_cast<QAbstractButton *>(w)->icon().isNull());
        }
    }
}

TEST_F(MainWindowTest, FrameListHoldsTheFramesWithNoneChosen)
{
    auto *list = qobject_cast<QComboBox *>(window->panel().widget(FrameList));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), kPictureFrameCount);
    const char *names[] = {"None", "Black Thin", "Black Med", "Black Wide", "White Thin",
                           "White Med", "White Wide", "Grey Thin", "Grey Med", "Grey Wide"};
    for (int i = 0; i < kPictureFrameCount; ++i)
        EXPECT_EQ(list->itemText(i), QString::fromUtf8(names[i]));
    EXPECT_EQ(list->currentIndex(), 0);
}

TEST_F(MainWindowTest, MenuBarCarriesTheFileCommandsAndTheAboutBox)
{
    const std::pair<int, const char *> items[] = {
        {MenuOpen, "&Open..."}, {MenuSaveAs, "Save &As..."}, {MenuExit, "Exit"}, {About, "&About Zorvan Pro Editor 3.0..."}};
    for (const auto &[id, text] : items) {
        ASSERT_NE(window->menuAction(id), nullptr) << id;
        EXPECT_EQ(window->menuAction(id)->text(), QString::fromUtf8(text));
    }
    dialogs.queueAnswer(MessageAnswer::Ok);
    window->menuAction(About)->trigger();
    EXPECT_EQ(dialogs.messages().last(), QStringLiteral("Pictorix Version 3.0"));
    window->menuAction(MenuExit)->trigger();
    EXPECT_EQ(endedWith, 0);
    EXPECT_TRUE(QFileInfo::exists(workspace.workFolder()));
}

TEST_F(MainWindowTest, PreviewAreaLiesBelowTheTextBoxes)
{
    const QRect box = window->panel().widget(MainItemBox)->geometry();
    const QRect area = window->previewArea();
    EXPECT_EQ(window->boardView().size(), QSize(1600, 900));
    EXPECT_EQ(area.left(), box.left());
    EXPECT_EQ(area.top(), box.y() + box.height() + 24);
    EXPECT_EQ(area.bottom() + 1, 900 - 20);
    EXPECT_EQ(area.right() + 1, 1600);
}

TEST_F(MainWindowTest, TitleHasNoFilePartAtStart)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Zorvan PRO Editor 3.0 Ver 3.0.30.21"));
}

} // namespace
} // namespace zorvan

namespace zorvan {
namespace {

QString SolidJpeg(const QString &path, QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    EXPECT_TRUE(image.save(path, "JPEG", 95));
    return path;
}

class PreviewTest : public MainWindowTest {
protected:
    void showBackground(const QString &path)
    {
        Editor &editor = window->editor();
        editor.document().BackgroundPath = path;
        editor.SetCurrentFile(path, QFileInfo(path).fileName());
        editor.render().erasePending = true;
        editor.RefreshPreview();
        QApplication::processEvents();
    }
    QImage grabbed() { return window->boardView().grab().toImage(); }
};

TEST_F(PreviewTest, NothingIsDrawnWithoutABackground)
{
    EXPECT_TRUE(window->editor().RefreshPreview());
    EXPECT_EQ(window->editor().render().boardRect, BoardRect{});
}

TEST_F(PreviewTest, ASmallBackgroundIsShownOneToOneAtTheTopLeftOfTheArea)
{
    showBackground(SolidJpeg(temp.file(QStringLiteral("small.jpg")), QSize(64, 48), QColor(200, 0, 0)));
    const QRect area = window->previewArea();
    const BoardRect &board = window->editor().render().boardRect;
    EXPECT_EQ(board, (BoardRect{area.left(), area.top(), area.left() + 64, area.top() + 48}));
    EXPECT_DOUBLE_EQ(window->editor().render().screenRatio, 1.0);
    const QImage shot = grabbed();
    const QColor inside = shot.pixelColor(area.left() + 32, area.top() + 24);
    EXPECT_GT(inside.red(), 180);
    EXPECT_LT(inside.green(), 40);
    EXPECT_NE(shot.pixelColor(area.left() + 100, area.top() + 24), inside);
    EXPECT_FALSE(window->editor().render().erasePending);
}

TEST_F(PreviewTest, AWideBackgroundFillsTheWidthAndFollowsResizes)
{
    showBackground(SolidJpeg(temp.file(QStringLiteral("wide.jpg")), QSize(3200, 900), QColor(0, 0, 200)));
    QRect area = window->previewArea();
    BoardRect board = window->editor().render().boardRect;
    EXPECT_EQ(board.left, area.left());
    EXPECT_EQ(board.width(), area.width());
    // Centred vertically: the space above and below differs by the odd pixel at most.
    const int above = board.top - area.top();
    const int below = area.top() + area.height() - board.bottom;
    EXPECT_GE(below - above, 0);
    EXPECT_LE(below - above, 1);

    window->setClientSize(QSize(1200, 800));
    QApplication::processEvents();
    area = window->previewArea();
    board = window->editor().render().boardRect;
    EXPECT_EQ(board.width(), area.width());
    const QImage shot = grabbed();
    EXPECT_GT(shot.pixelColor((board.left + board.right) / 2, (board.top + board.bottom) / 2).blue(), 180);
}

TEST_F(PreviewTest, TitleCarriesTheFileNameAndTheResolutionWhenAsked)
{
    const QString path = SolidJpeg(temp.file(QStringLiteral("menu.jpg")), QSize(64, 48), Qt::white);
    window->editor().render().resolutionReadoutPending = true;
    showBackground(path);
    EXPECT_TRUE(window->windowTitle().startsWith(
        QStringLiteral("Zorvan PRO Editor 3.0 Ver 3.0.30.21      ZorvanFile : menu.jpg      Resolution: 64 x 48 at ")))
        << qPrintable(window->windowTitle());
}

} // namespace
} // namespace zorvan

namespace zorvan {
namespace {

// Counts the mouse events that reach a widget.
class MouseCounter : public QObject {
public:
    int presses = 0;
    int rightPresses = 0;
    int leftReleases = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonRelease
            && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            ++leftReleases;
        if (event->type() == QEvent::MouseButtonPress) {
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
                ++presses;
            else
                ++rightPresses;
        }
        return false;
    }
};

// Clicks carry the window system's time. A click made while a command ran
// is older than the command's end and is dropped, press and release; one
// made after it, and any other button, arrives as usual.
TEST_F(MainWindowTest, ClicksQueuedDuringALongCommandAreDiscarded)
{
    BoardView &view = window->boardView();
    MouseCounter counter;
    view.installEventFilter(&counter);
    const auto queueClick = [&view](Qt::MouseButton button, quint64 time) {
        const QPointF at(5, 5);
        auto *press = new QMouseEvent(QEvent::MouseButtonPress, at, view.mapToGlobal(at), button, button,
                                      Qt::NoModifier);
        press->setTimestamp(time);
        QCoreApplication::postEvent(&view, press);
        auto *release = new QMouseEvent(QEvent::MouseButtonRelease, at, view.mapToGlobal(at), button, Qt::NoButton,
                                        Qt::NoModifier);
        release->setTimestamp(time + 40);
        QCoreApplication::postEvent(&view, release);
    };
    // The click that starts the command tells the window the time of the window system.
    queueClick(Qt::LeftButton, 100000);
    QApplication::processEvents();
    ASSERT_EQ(counter.presses, 1);

    // The command runs for a while, and clicks are made meanwhile.
    QThread::msleep(300);
    queueClick(Qt::LeftButton, 100150);
    queueClick(Qt::RightButton, 100160);
    window->editor().services().window.discardQueuedClicks();
    queueClick(Qt::LeftButton, 100000 + 60000); // a minute later
    QApplication::processEvents();
    EXPECT_EQ(counter.presses, 2) << "the click made during the command was not dropped, or the later one was";
    EXPECT_EQ(counter.rightPresses, 1);
    EXPECT_EQ(counter.leftReleases, 2) << "a dropped press must take its release with it";

    // Clicks a program makes up carry no time and are never dropped.
    queueClick(Qt::LeftButton, 0);
    QApplication::processEvents();
    EXPECT_EQ(counter.presses, 3);
    view.removeEventFilter(&counter);
}

} // namespace
} // namespace zorvan
