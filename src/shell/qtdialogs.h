#pragma once

#include "editing/userdialogs.h"

class QWidget;

namespace zorvan {

// Real message boxes and file dialogs over the main window.
class QtDialogs : public UserDialogs {
public:
    void setParent(QWidget *parent) { m_parent = parent; }

    MessageAnswer message(const QString &text, MessageButtons buttons, const QString &caption) override;
    QString openFile(const QString &title, const QString &filter, const QString &folder) override;
    QString saveFile(const QString &title, const QString &filter, const QString &folder,
                     const QString &proposedName) override;

private:
    QWidget *m_parent = nullptr;
};

} // namespace zorvan
