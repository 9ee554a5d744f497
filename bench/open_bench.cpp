#include "benchmark.h"

#include "document/container.h"
#include "document/menudata.h"
#include "document/userprompts.h"
#include "editing/controlids.h"
#include "editing/cursorcontrol.h"
#include "editing/editor.h"
#include "editing/editorwindow.h"
#include "editing/memorypanel.h"
#include "editing/userdialogs.h"
#include "editing/workspace.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

using namespace zorvan;

namespace {

constexpr int kPictures = 40;

QImage Picture(int w, int h, int seed)
{
    QImage image(w, h, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int y = 0; y < h; y += 8)
        for (int x = 0; x < w; x += 8)
            painter.fillRect(x, y, 8, 8, QColor::fromHsv((x + y * 3 + seed * 37) % 360, 150 + (x * y) % 100, 200));
    return image;
}

// Answers every file dialog with the container and every question with No.
class BenchDialogs : public UserDialogs {
public:
    QString file;
    MessageAnswer message(const QString &text, MessageButtons, const QString &) override
    {
        std::fprintf(stderr, "open-container-8x200: unexpected message: %s\n", qPrintable(text));
        return MessageAnswer::No;
    }
    QString openFile(const QString &, const QString &, const QString &) override { return file; }
    QString saveFile(const QString &, const QString &, const QString &, const QString &) override { return {}; }
};

class BenchWindow : public EditorWindow, public CursorControl {
public:
    void setWindowTitle(const QString &) override {}
    void repaintPreview() override {}
    QRect availableArea() const override { return QRect(0, 0, 1600, 900); }
    bool openUrl(const QUrl &) override { return false; }
    void endProcess(int) override {}
    void beginWait() override {}
    void endWait() override {}
    void setPosition(const QPoint &) override {}
};

class BenchWorkspace : public Workspace {
public:
    explicit BenchWorkspace(QString folder) : m_folder(std::move(folder)) { QDir().mkpath(m_folder); }
    QString workFolder() const override { return m_folder; }
    void clearWorkFolder() override
    {
        QDir dir(m_folder);
        for (const QString &name : dir.entryList(QDir::Files))
            dir.remove(name);
    }
    void removeWorkFolder() override {}

private:
    QString m_folder;
};

// A container of an 8 x 200 board on a 1080 x 1920 background: every strip
// with a main item and prices, 40 of them with 1200 x 900 pictures.
QString MakeContainer(const QTemporaryDir &dir)
{
    const QString source = dir.filePath(QStringLiteral("source"));
    QDir().mkpath(source);
    Picture(1080, 1920, 0).save(source + QStringLiteral("/Background.jpg"), "JPEG", 84);
    auto doc = std::make_unique<MenuData>();
    doc->NumberOfColumns = 8;
    doc->NumberOfRows = 200;
    for (int c = 0; c < 8; ++c) {
        for (int r = 0; r < 200; ++r) {
            StripData &s = doc->strip(c, r);
            s.BackGroundColor = MakeColour(20 * c, r % 256, 90);
            s.MainItemTextParams.Text = QStringLiteral("Item %1-%2").arg(c).arg(r);
            s.MainItemTextParams.Font = QStringLiteral("DejaVu Sans");
            s.PricesTextParams.Text = QStringLiteral("%1.99").arg(r % 10);
            s.PricesTextParams.Font = QStringLiteral("DejaVu Sans");
            s.PricesTextParams.Xref = 0.7;
        }
    }
    for (int i = 0; i < kPictures; ++i) {
        const QString path = source + QStringLiteral("/Item%1.jpg").arg(i);
        Picture(1200, 900, i + 1).save(path, "JPEG", 80);
        doc->strip(i % 8, i / 8 * 40).SubImageFileName = path;
    }
    const QString container = dir.filePath(QStringLiteral("Board_LAYOUT.ZORVAN"));
    ContainerSources sources;
    sources.workFolder = source;
    FixedAnswerPrompts prompts(Answer::Yes);
    const PackResult packed = PackContainer(container, *doc, sources, prompts);
    if (!packed.ok)
        std::fprintf(stderr, "open-container-8x200: cannot pack: %s\n", qPrintable(packed.error));
    return container;
}

const bench::Registration registration{"open-container-8x200", [] {
    QTemporaryDir dir;
    BenchDialogs dialogs;
    dialogs.file = MakeContainer(dir);
    MemoryPanel panel;
    BenchWindow window;
    BenchWorkspace workspace(dir.filePath(QStringLiteral("work")));
    Editor editor(EditorServices{panel, dialogs, window, window, workspace});
    editor.Initialise(dir.path() + QLatin1Char('/'));
    // The font catalogue is loaded once per run, at start-up; it is measured on its own.
    editor.fontCatalogue();
    const double ms = bench::MedianMilliseconds(5, [&] {
        editor.RunCommand(CommandEvent{ctl::OpenLayout, false, false});
    });
    if (editor.document().NumberOfRows != 200)
        std::fprintf(stderr, "open-container-8x200: the layout did not open\n");
    return bench::Measurement{ms, "ms", 1000.0};
}};

} // namespace
