#include "benchmark.h"
#include "textheavyboard.h"

#include "editing/controlids.h"
#include "editing/cursorcontrol.h"
#include "editing/editor.h"
#include "editing/editorwindow.h"
#include "editing/leftclick.h"
#include "editing/memorypanel.h"
#include "editing/userdialogs.h"
#include "editing/workspace.h"

#include <QElapsedTimer>

using namespace zorvan;

namespace {

// The window around an editor that has no window: nothing is shown, nothing asked.
class QuietWindow : public EditorWindow, public CursorControl, public UserDialogs, public Workspace {
public:
    explicit QuietWindow(const QString &folder) : m_folder(folder) {}
    void setWindowTitle(const QString &) override {}
    void repaintPreview() override {}
    QRect availableArea() const override { return QRect(0, 0, 1600, 900); }
    bool openUrl(const QUrl &) override { return false; }
    void endProcess(int) override {}
    void beginWait() override {}
    void endWait() override {}
    void setPosition(const QPoint &) override {}
    MessageAnswer message(const QString &, MessageButtons, const QString &) override { return MessageAnswer::Ok; }
    QString openFile(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFile(const QString &, const QString &, const QString &, const QString &) override { return {}; }
    QString workFolder() const override { return m_folder; }
    void clearWorkFolder() override {}
    void removeWorkFolder() override {}

private:
    QString m_folder;
};

// One keystroke into the main item box of a strip in the middle of the
// text-heavy board, in Text mode: the strip takes the text and the board is
// composed again, then painted into the preview as the window would.
bench::Measurement KeystrokeToRefresh()
{
    bench::TextHeavyBoard board(900, 1600);
    QuietWindow window(board.dir.path());
    MemoryPanel panel;
    Editor editor(EditorServices{panel, window, window, window, window});
    editor.Initialise(board.dir.path() + QLatin1Char('/'));
    editor.document() = board.doc;
    editor.panel().SetPanelAfterLoading();
    editor.RefreshPreview();
    const QRectF target = editor.render().textScreenRects.at(3, 20)[MainItem];
    HandleLeftClick(editor, target.center().toPoint(), false);
    if (!editor.modes().text) {
        std::fprintf(stderr, "typing bench: the click did not enter Text mode\n");
        std::abort();
    }
    QImage window_(1600, 900, QImage::Format_RGB32);
    int typed = 0;
    const auto keystroke = [&] {
        // Letters, then Backspace now and then, so the text stays about as long.
        QString text = panel.text(ctl::MainItemBox);
        if (++typed % 4 == 0)
            text.chop(1);
        else
            text += QLatin1Char('a' + typed % 26);
        panel.setText(ctl::MainItemBox, text);
        editor.RunCommand(CommandEvent{ctl::MainItemBox});
        QPainter painter(&window_);
        editor.PaintPreview(painter);
    };
    const double ms = bench::MedianMilliseconds(21, keystroke);
    return {ms, "ms", 30.0};
}

const bench::Registration keystroke{"text-heavy-keystroke-to-refresh", KeystrokeToRefresh};

} // namespace
