#pragma once

#include <QString>

namespace zorvan {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// The caption of the editor's message boxes.
inline const QString kMessageCaption = QStringLiteral("Zorvan PRO Editor 3.0");

// Every message box and file dialog of the editor goes through here, so that
// the window shows real dialogs while tests and scripted sessions answer them
// from a queue. Texts are shown exactly as given; "\r\n" is a line break.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    virtual MessageAnswer message(const QString &text, MessageButtons buttons = MessageButtons::Ok,
                                  const QString &caption = kMessageCaption) = 0;
    // filter is written "Desc*.A;*.B|*.A;*.B||"; see QtFileFilter. An empty
    // result means the user cancelled.
    virtual QString openFile(const QString &title, const QString &filter, const QString &folder) = 0;
    virtual QString saveFile(const QString &title, const QString &filter, const QString &folder,
                             const QString &proposedName) = 0;
};

// "Desc*.A;*.B|*.A;*.B||" (pairs of description and patterns) becomes the
// file dialog's "Desc (*.A *.B)", one line per pair.
QString QtFileFilter(const QString &filter);

bool Offers(MessageButtons buttons, MessageAnswer answer);

} // namespace zorvan
