#pragma once

#include "editing/cursorcontrol.h"
#include "editing/editor.h"
#include "editing/editorwindow.h"
#include "editing/memorypanel.h"
#include "editing/userdialogs.h"
#include "editing/workspace.h"

#include <QImage>
#include <QPainter>

#include <memory>

namespace zorvan::bench {

// The editor as the window runs it, without a display: every repaint draws
// the board into an image of the window's size, as the window's backing
// store would, so a refresh is measured up to the board being on screen.
class BenchEditor : public EditorWindow, public CursorControl, public UserDialogs, public Workspace {
public:
    explicit BenchEditor(const QString &folder)
        : m_folder(folder), m_screen(1600 + 40, 900 + 80, QImage::Format_ARGB32_Premultiplied),
          m_editor(std::make_unique<Editor>(EditorServices{m_panel, *this, *this, *this, *this}))
    {
        m_editor->Initialise(QStringLiteral("/nonexistent/program/"));
    }

    Editor &editor() { return *m_editor; }
    MemoryPanel &panel() { return m_panel; }
    // A window made a pixel shorter or taller: the board is fitted anew and
    // composed in full, as after a resize.
    void setAreaHeight(int height) { m_areaHeight = height; }

    // Opens a board already in the work folder, drawing from its proxies.
    void Open(const MenuData &doc)
    {
        m_editor->document() = doc;
        m_editor->render().backgroundProxyInUse = true;
        m_editor->render().pictureProxiesInUse = true;
        m_editor->SetCurrentFile(doc.BackgroundPath, QStringLiteral("Bench"));
    }

    void setWindowTitle(const QString &) override {}
    void repaintPreview() override
    {
        QPainter painter(&m_screen);
        m_editor->PaintPreview(painter);
    }
    QRect availableArea() const override { return QRect(20, 60, 1600, m_areaHeight); }
    bool openUrl(const QUrl &) override { return false; }
    void endProcess(int) override {}
    void beginWait() override {}
    void endWait() override {}
    void setPosition(const QPoint &) override {}

    MessageAnswer message(const QString &, MessageButtons buttons, const QString &) override
    {
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
    QString openFile(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFile(const QString &, const QString &, const QString &, const QString &) override { return {}; }

    // The bench's files are its own: nothing is cleared away.
    QString workFolder() const override { return m_folder; }
    void clearWorkFolder() override {}
    void removeWorkFolder() override {}

private:
    QString m_folder;
    int m_areaHeight = 900;
    QImage m_screen;
    MemoryPanel m_panel;
    std::unique_ptr<Editor> m_editor;
};

} // namespace zorvan::bench
