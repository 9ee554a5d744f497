#pragma once

#include "document/userprompts.h"
#include "render/rotationdata.h"

#include <QDeadlineTimer>

#include <QString>

namespace zorvan {

using MessageButtons = Buttons;
using MessageAnswer = Answer;

// The caption of the editor's message boxes.
inline const QString kMessageCaption = QStringLiteral("Zorvan PRO Editor 3.0");

// Every message box and file dialog of the editor goes through here, so that
// the window shows real dialogs while tests and scripted sessions answer them
// from a queue. Texts are shown exactly as given; "\r\n" is a line break.
// The document's and the assets' operations see the same dialogs as prompts.
class UserDialogs : public UserPrompts {
public:
    virtual MessageAnswer message(const QString &text, MessageButtons buttons = MessageButtons::Ok,
                                  const QString &caption = kMessageCaption) = 0;
    // filter is written "Desc*.A;*.B|*.A;*.B||"; see QtFileFilter. An empty
    // result means the user cancelled.
    virtual QString openFile(const QString &title, const QString &filter, const QString &folder) = 0;
    virtual QString saveFile(const QString &title, const QString &filter, const QString &folder,
                             const QString &proposedName) = 0;

    // The rotation of a portrait TV image, asked with the last choice preselected.
    virtual TvRotation askRotation(TvRotation preselected) { return preselected; }

    // The window that asks the user not to unplug the drive a save writes to.
    // It needs no answer; closePleaseWait keeps it up, painting, until the
    // deadline has passed and then takes it down.
    virtual void showPleaseWait(const QString &text) { (void)text; }
    virtual void closePleaseWait(const QDeadlineTimer &deadline) { (void)deadline; }
    // The closing message of a save, in the saving window; answered like a message box.
    virtual void showSavingMessage(const QString &text) { message(text, MessageButtons::Ok); }

    // Hands the board image to the system's printing; false when nothing was printed.
    virtual bool printImage(const QString &imagePath)
    {
        (void)imagePath;
        return false;
    }

    void showMessage(const QString &text) final { message(text, Buttons::Ok); }
    Answer ask(const QString &text, Buttons buttons) final { return message(text, buttons); }
};

// "Desc*.A;*.B|*.A;*.B||" (pairs of description and patterns) becomes the
// file dialog's "Desc (*.A *.B)", one line per pair.
QString QtFileFilter(const QString &filter);

} // namespace zorvan
