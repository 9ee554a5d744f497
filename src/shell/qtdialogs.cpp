#include "qtdialogs.h"

#include "boardprinter.h"
#include "imagerotationselectiondialog.h"
#include "savingwindow.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QEventLoop>
#include <QTimer>
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

TvRotation QtDialogs::askRotation(TvRotation preselected)
{
    return AskImageRotation(preselected, m_parent);
}

void QtDialogs::showPleaseWait(const QString &text)
{
    delete m_pleaseWait;
    auto *window = new SavingLayoutAndImageFilesDialog(text, false, m_parent);
    // Shown without blocking, yet the main window takes no clicks while files are written.
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    if (m_parent) {
        const QRect parent = m_parent->frameGeometry();
        window->move(parent.center() - window->rect().center());
    }
    QCursor::setPos(window->mapToGlobal(QPoint(window->width() / 2, window->height() * 4 / 5)));
    m_pleaseWait = window;
    // Painted before the writing starts, which keeps the event loop busy.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtDialogs::closePleaseWait(const QDeadlineTimer &deadline)
{
    if (!m_pleaseWait)
        return;
    if (!deadline.hasExpired()) {
        // The window keeps painting while the time runs out; clicks wait until it is down.
        QEventLoop loop;
        QTimer::singleShot(std::chrono::milliseconds(deadline.remainingTime()), &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    delete m_pleaseWait;
}

void QtDialogs::showSavingMessage(const QString &text)
{
    SavingLayoutAndImageFilesDialog dialog(text, true, m_parent);
    dialog.exec();
}

bool QtDialogs::printImage(const QString &imagePath)
{
    QString error;
    const QString pdf = PrintToPdfTarget();
    const bool printed = pdf.isEmpty() ? PrintImageFileWithDialog(imagePath, m_parent, &error)
                                       : PrintImageFileToPdf(imagePath, pdf, &error);
    if (!printed && !error.isEmpty())
        message(QStringLiteral("The menu board could not be printed:\n%1").arg(error), MessageButtons::Ok, kMessageCaption);
    return printed;
}

} // namespace zorvan
