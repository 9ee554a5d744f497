#pragma once

#include "editing/userdialogs.h"

#include <QPointer>

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
    TvRotation askRotation(TvRotation preselected) override;
    void showPleaseWait(const QString &text) override;
    void closePleaseWait(const QDeadlineTimer &deadline) override;
    void showSavingMessage(const QString &text) override;
    // To the PDF file ZORVAN_PRINT_TO_PDF names, else through the system's print dialog.
    bool printImage(const QString &imagePath) override;

    // The please-wait window while it is up.
    QWidget *pleaseWaitWindow() const { return m_pleaseWait; }

private:
    QWidget *m_parent = nullptr;
    QPointer<QWidget> m_pleaseWait;
};

} // namespace zorvan
