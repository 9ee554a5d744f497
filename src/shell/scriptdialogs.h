#pragma once

#include "editing/userdialogs.h"

#include <QList>
#include <QStringList>

#include <deque>
#include <optional>

namespace zorvan {

enum class RotationAnswer { None, Clockwise, CounterClockwise };

// Message boxes and file dialogs answered from the queues a script fills.
// A dialog with no queued answer is recorded as unanswered and gets the most
// cautious answer it offers (Cancel, else No; a file dialog is cancelled).
class ScriptDialogs : public UserDialogs {
public:
    void queueAnswer(MessageAnswer answer) { m_answers.push_back(answer); }
    // An empty path cancels the dialog.
    void queueFile(const QString &path) { m_files.push_back(path); }
    void queueRotation(RotationAnswer answer) { m_rotations.push_back(answer); }
    // The next rotation answer; nullopt (recorded as unanswered) when none is queued.
    std::optional<RotationAnswer> takeRotation(const QString &question);

    MessageAnswer message(const QString &text, MessageButtons buttons, const QString &caption) override;
    QString openFile(const QString &title, const QString &filter, const QString &folder) override;
    QString saveFile(const QString &title, const QString &filter, const QString &folder,
                     const QString &proposedName) override;
    // Answered by the queued rotation; none queued keeps the preselection and
    // is recorded as unanswered.
    TvRotation askRotation(TvRotation preselected) override;
    // Only to the PDF file ZORVAN_PRINT_TO_PDF names: a printer dialog cannot
    // be answered from a script, so without it printing is unanswered.
    bool printImage(const QString &imagePath) override;

    // Every message box text shown, in order.
    const QStringList &messages() const { return m_messages; }
    // The text or title of the first dialog that had no answer; empty when none.
    QString unanswered() const { return m_unanswered; }

private:
    QString takeFile(const QString &title);

    std::deque<MessageAnswer> m_answers;
    std::deque<QString> m_files;
    std::deque<RotationAnswer> m_rotations;
    QStringList m_messages;
    QString m_unanswered;
};

} // namespace zorvan
