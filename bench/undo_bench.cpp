#include "benchmark.h"

#include "editing/cursorcontrol.h"
#include "editing/editor.h"
#include "editing/editorwindow.h"
#include "editing/memorypanel.h"
#include "editing/undolist.h"
#include "editing/userdialogs.h"
#include "editing/workspace.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace zorvan;

namespace {

class SilentServices : public UserDialogs, public CursorControl, public EditorWindow, public Workspace {
public:
    explicit SilentServices(const QString &folder) : m_folder(folder) {}
    MessageAnswer message(const QString &, MessageButtons, const QString &) override { return MessageAnswer::Ok; }
    QString openFile(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFile(const QString &, const QString &, const QString &, const QString &) override { return {}; }
    void beginWait() override {}
    void endWait() override {}
    void setPosition(const QPoint &) override {}
    void setWindowTitle(const QString &) override {}
    void repaintPreview() override {}
    QRect availableArea() const override { return QRect(0, 0, 1600, 900); }
    bool openUrl(const QUrl &) override { return false; }
    void endProcess(int) override {}
    QString workFolder() const override { return m_folder; }
    void clearWorkFolder() override {}
    void removeWorkFolder() override {}

private:
    QString m_folder;
};

// Resident memory of the process in bytes, from the kernel's own count.
double ResidentBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0.0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() * 1024.0;
    return 0.0;
}

// Bytes held by the strip copies of the entries: the records themselves and
// the text they own (each entry's texts differ, so none is shared).
double EntryBytes(const UndoHistory &undo)
{
    double bytes = double(undo.entries.capacity()) * sizeof(UndoEntry);
    const auto text = [](const QString &s) { return double(s.capacity()) * sizeof(QChar) + 16.0; };
    for (const UndoEntry &entry : undo.entries) {
        const StripData &strip = entry.data;
        bytes += text(strip.SubImageFileName);
        for (int k = 0; k < kTextItemCount; ++k)
            bytes += text(strip.block(k).Text) + text(strip.block(k).Font);
    }
    return bytes;
}

// A busy strip: two-line main item, four lines of sub items, three price
// lines with calories, a picture in the work folder.
void FillStrip(StripData &strip, int step)
{
    strip.MainItemTextParams.Text = QStringLiteral("Double Bacon Cheeseburger %1\r\nwith Fries").arg(step);
    strip.SubItemsTextParams.Text =
        QStringLiteral("Two beef patties, smoked bacon, cheddar,\r\nlettuce, tomato, pickles, onions\r\n"
                       "and our house sauce on a toasted brioche bun\r\nAdd avocado for 1.50 (%1)")
            .arg(step);
    strip.PricesTextParams.Text =
        QStringLiteral("Single^8.99>  740 Cal\r\nDouble^11.49>  1120 Cal\r\nCombo^13.99> 1480 Cal %1").arg(step);
    strip.MainItemTextParams.Font = QStringLiteral("Liberation Sans Narrow");
    strip.SubImageFileName = QStringLiteral("/home/user/.local/share/Trelmont/QRT4821/Double Bacon Burger(3).jpg");
}

constexpr int kEntries = 10000;

const bench::Registration registration{"undo-10000-entries", [] {
    QTemporaryDir folder;
    SilentServices services(folder.path());
    MemoryPanel panel;
    Editor editor(EditorServices{panel, services, services, services, services});
    editor.document().NumberOfColumns = 8;
    editor.document().NumberOfRows = 200;

    const double before = ResidentBytes();
    for (int step = 0; step < kEntries; ++step) {
        const ColumnRow cell{step % 8, (step / 8) % 200};
        // Every step edits the strip first, so each entry owns its own texts.
        FillStrip(editor.document().strip(cell.column, cell.row), step);
        PushUndoEntry(editor, cell);
    }
    const double after = ResidentBytes();
    const double counted = EntryBytes(editor.undo());
    std::printf("  %d entries: %.1f MB counted in the copies, resident memory grew by %.1f MB\n", kEntries,
                counted / 1e6, (after - before) / 1e6);
    return bench::Measurement{std::max(counted, after - before) / 1e6, "MB", 100.0};
}};

} // namespace
