#pragma once

#include "editing/cursorcontrol.h"
#include "editing/editor.h"
#include "editing/editorwindow.h"
#include "editing/memorypanel.h"
#include "editing/userdialogs.h"
#include "editing/workspace.h"

#include <QDir>
#include <QStringList>

#include <deque>
#include <functional>

namespace zorvan::test {

// Message boxes answered from a queue; every text is kept.
class QueuedDialogs : public UserDialogs {
public:
    std::deque<MessageAnswer> answers;
    QStringList texts;
    QStringList captions;
    int unanswered = 0;

    MessageAnswer message(const QString &text, MessageButtons buttons, const QString &caption) override
    {
        texts.append(text);
        captions.append(caption);
        if (answers.empty()) {
            ++unanswered;
            return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
        }
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    // Answers of the open-file dialogs, in order; none left means cancel.
    std::deque<QString> files;
    struct FileDialog {
        QString title, filter, folder;
    };
    QList<FileDialog> fileDialogs;

    QString openFile(const QString &title, const QString &filter, const QString &folder) override
    {
        fileDialogs.append({title, filter, folder});
        if (files.empty())
            return {};
        const QString file = files.front();
        files.pop_front();
        return file;
    }
    // Answers of the save dialogs, in order; none left means cancel.
    std::deque<QString> saveFiles;
    struct SaveDialog {
        QString title, filter, folder, proposedName;
    };
    QList<SaveDialog> saveDialogs;
    QString saveFile(const QString &title, const QString &filter, const QString &folder,
                     const QString &proposedName) override
    {
        saveDialogs.append({title, filter, folder, proposedName});
        if (saveFiles.empty())
            return {};
        const QString file = saveFiles.front();
        saveFiles.pop_front();
        return file;
    }

    // Rotation answers; none left keeps the preselection. Every preselection is kept.
    std::deque<TvRotation> rotations;
    QList<TvRotation> rotationPreselections;
    TvRotation askRotation(TvRotation preselected) override
    {
        rotationPreselections.append(preselected);
        if (rotations.empty())
            return preselected;
        const TvRotation answer = rotations.front();
        rotations.pop_front();
        return answer;
    }

    QStringList pleaseWaitTexts;
    QList<QDeadlineTimer> pleaseWaitDeadlines;
    // Runs when the please-wait window would be taken down.
    std::function<void()> onClosePleaseWait;
    void showPleaseWait(const QString &text) override { pleaseWaitTexts.append(text); }
    void closePleaseWait(const QDeadlineTimer &deadline) override
    {
        pleaseWaitDeadlines.append(deadline);
        if (onClosePleaseWait)
            onClosePleaseWait();
    }

    QStringList printed;
    bool printImage(const QString &imagePath) override
    {
        printed.append(imagePath);
        return true;
    }
};

class FakeWindow : public EditorWindow, public CursorControl {
public:
    QString title;
    int repaints = 0;
    QList<QUrl> openedUrls;
    int endedWith = -1;
    int waits = 0;

    void setWindowTitle(const QString &t) override { title = t; }
    void repaintPreview() override { ++repaints; }
    // A board at the very left edge draws no strips (a cell at x 0 counts as no grid).
    QRect area = QRect(0, 0, 1600, 900);
    QRect availableArea() const override { return area; }
    bool openUrl(const QUrl &url) override
    {
        openedUrls.append(url);
        return true;
    }
    void endProcess(int exitCode) override { endedWith = exitCode; }
    int clickDiscards = 0;
    void discardQueuedClicks() override { ++clickDiscards; }
    void beginWait() override { ++waits; }
    void endWait() override { --waits; }
    void setPosition(const QPoint &) override {}
    RightDragKind dragCursor = RightDragKind::None;
    void showDragCursor(RightDragKind kind) override { dragCursor = kind; }
};

// A real folder on disk, in a temporary parent.
class FolderWorkspace : public Workspace {
public:
    explicit FolderWorkspace(const QString &folder) : m_folder(folder) { QDir().mkpath(folder); }
    QString workFolder() const override { return m_folder; }
    void clearWorkFolder() override
    {
        QDir dir(m_folder);
        for (const QString &name : dir.entryList(QDir::Files))
            dir.remove(name);
    }
    void removeWorkFolder() override
    {
        QDir(m_folder).removeRecursively();
        m_folder.clear();
    }

private:
    QString m_folder;
};

// An editor over a panel without widgets, initialised as the window does it.
struct EditorFixture {
    explicit EditorFixture(const QString &workFolder)
        : workspace(workFolder), editor(EditorServices{panel, dialogs, window, window, workspace})
    {
        editor.Initialise(QStringLiteral("/nonexistent/program/"));
    }

    MemoryPanel panel;
    QueuedDialogs dialogs;
    FakeWindow window;
    FolderWorkspace workspace;
    Editor editor;
};

} // namespace zorvan::test
