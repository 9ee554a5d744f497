#include "qtdialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace zorvan {

MessageAnswer QtDialogs::message(const QString &text, MessageButtons buttons, const QString &caption)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(m_parent);
    box.setWindowTitle(caption);
    box.setText(shown);
    switch (buttons) {
    case MessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MessageButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MessageButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return MessageAnswer::Ok;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    default:
        // Closing the box without a button counts as its most cautious answer.
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok
               : buttons == MessageButtons::YesNo ? MessageAnswer::No
                                                  : MessageAnswer::Cancel;
    }
}

QString QtDialogs::openFile(const QString &title, const QString &filter, const QString &folder)
{
    return QFileDialog::getOpenFileName(m_parent, title, folder, QtFileFilter(filter));
}

QString QtDialogs::saveFile(const QString &title, const QString &filter, const QString &folder,
                            const QString &proposedName)
{
    const QString start = proposedName.isEmpty() ? folder : QDir(folder).filePath(proposedName);
    return QFileDialog::getSaveFileName(m_parent, title, start, QtFileFilter(filter));
}

} // namespace zorvan
