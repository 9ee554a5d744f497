#include "editing/dialogprompts.h"

#include "editing/cursorcontrol.h"

namespace zorvan {

void DialogPrompts::showMessage(const QString &text)
{
    m_dialogs.message(text, MessageButtons::Ok);
}

Answer DialogPrompts::ask(const QString &text, Buttons buttons)
{
    const auto toButtons = [](Buttons b) {
        switch (b) {
        case Buttons::Ok: return MessageButtons::Ok;
        case Buttons::OkCancel: return MessageButtons::OkCancel;
        case Buttons::YesNo: return MessageButtons::YesNo;
        case Buttons::YesNoCancel: return MessageButtons::YesNoCancel;
        }
        return MessageButtons::Ok;
    };
    switch (m_dialogs.message(text, toButtons(buttons))) {
    case MessageAnswer::Ok: return Answer::Ok;
    case MessageAnswer::Cancel: return Answer::Cancel;
    case MessageAnswer::Yes: return Answer::Yes;
    case MessageAnswer::No: return Answer::No;
    }
    return Answer::Cancel;
}

void DialogPrompts::setBusy(bool busy)
{
    if (busy)
        m_cursor.beginWait();
    else
        m_cursor.endWait();
}

} // namespace zorvan
