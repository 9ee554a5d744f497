#include "document/userprompts.h"

namespace zorvan {

bool Offers(Buttons buttons, Answer answer)
{
    switch (buttons) {
    case Buttons::Ok:
        return answer == Answer::Ok;
    case Buttons::OkCancel:
        return answer == Answer::Ok || answer == Answer::Cancel;
    case Buttons::YesNo:
        return answer == Answer::Yes || answer == Answer::No;
    case Buttons::YesNoCancel:
        return answer == Answer::Yes || answer == Answer::No || answer == Answer::Cancel;
    }
    return false;
}

void QueuedPrompts::showMessage(const QString &text)
{
    m_shown.append(text);
}

Answer QueuedPrompts::ask(const QString &text, Buttons buttons)
{
    m_shown.append(text);
    if (!m_answers.isEmpty() && Offers(buttons, m_answers.first()))
        return m_answers.takeFirst();
    m_unanswered.append(text);
    if (Offers(buttons, Answer::Cancel))
        return Answer::Cancel;
    if (Offers(buttons, Answer::No))
        return Answer::No;
    return Answer::Ok;
}

} // namespace zorvan
