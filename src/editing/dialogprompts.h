#pragma once

#include "document/userprompts.h"
#include "editing/userdialogs.h"

namespace zorvan {

class CursorControl;

// The editor's dialogs as the message-box interface the core's file and
// image operations report through.
class DialogPrompts : public UserPrompts {
public:
    DialogPrompts(UserDialogs &dialogs, CursorControl &cursor) : m_dialogs(dialogs), m_cursor(cursor) {}

    void showMessage(const QString &text) override;
    Answer ask(const QString &text, Buttons buttons) override;
    void setBusy(bool busy) override;

private:
    UserDialogs &m_dialogs;
    CursorControl &m_cursor;
};

} // namespace zorvan
