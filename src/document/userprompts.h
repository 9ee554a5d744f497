#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace zorvan {

// The buttons a question offers and the answer it got.
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

// What the core needs from whoever shows message boxes: the window answers
// with real dialogs, tests and scripted sessions with queued answers. Texts
// are shown exactly as given; "\r\n" is a line break.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    // A message with an OK button.
    virtual void showMessage(const QString &text) = 0;
    // A question; the answer is one of the offered buttons.
    virtual Answer ask(const QString &text, Buttons buttons) = 0;
    // The wait cursor while a long operation runs on the user's behalf.
    virtual void setBusy(bool busy) { (void)busy; }
};

// Answers from a queue and keeps every text shown, in order. A question with
// no queued answer (or one its buttons do not offer) is counted as unanswered
// and gets the most cautious answer its buttons allow: Cancel, else No.
class QueuedPrompts : public UserPrompts {
public:
    QueuedPrompts() = default;
    explicit QueuedPrompts(QList<Answer> answers) : m_answers(std::move(answers)) {}

    void queue(Answer answer) { m_answers.append(answer); }
    void showMessage(const QString &text) override;
    Answer ask(const QString &text, Buttons buttons) override;
    void setBusy(bool busy) override { m_busy = busy; }

    const QStringList &shown() const { return m_shown; }
    const QStringList &unanswered() const { return m_unanswered; }
    int pendingAnswers() const { return int(m_answers.size()); }
    bool busy() const { return m_busy; }

private:
    QList<Answer> m_answers;
    QStringList m_shown;
    QStringList m_unanswered;
    bool m_busy = false;
};

// Answers every question with the same answer (the command-line tool's "do it").
class FixedAnswerPrompts : public UserPrompts {
public:
    explicit FixedAnswerPrompts(Answer answer) : m_answer(answer) {}
    void showMessage(const QString &text) override { m_shown.append(text); }
    Answer ask(const QString &text, Buttons) override
    {
        m_shown.append(text);
        return m_answer;
    }
    const QStringList &shown() const { return m_shown; }

private:
    Answer m_answer;
    QStringList m_shown;
};

bool Offers(Buttons buttons, Answer answer);

} // namespace zorvan
