#include "scriptdialogs.h"

#include "boardprinter.h"

namespace zorvan {

MessageAnswer ScriptDialogs::message(const QString &text, MessageButtons buttons, const QString &)
{
    m_messages.append(text);
    if (m_answers.empty() || !Offers(buttons, m_answers.front())) {
        if (m_unanswered.isEmpty())
            m_unanswered = text;
        switch (buttons) {
        case MessageButtons::Ok: return MessageAnswer::Ok;
        case MessageButtons::YesNo: return MessageAnswer::No;
        default: return MessageAnswer::Cancel;
        }
    }
    const MessageAnswer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

QString ScriptDialogs::takeFile(const QString &title)
{
    if (m_files.empty()) {
        if (m_unanswered.isEmpty())
            m_unanswered = title;
        return {};
    }
    const QString path = m_files.front();
    m_files.pop_front();
    return path;
}

QString ScriptDialogs::openFile(const QString &title, const QString &, const QString &)
{
    return takeFile(title);
}

QString ScriptDialogs::saveFile(const QString &title, const QString &, const QString &, const QString &)
{
    return takeFile(title);
}

std::optional<RotationAnswer> ScriptDialogs::takeRotation(const QString &question)
{
    if (m_rotations.empty()) {
        if (m_unanswered.isEmpty())
            m_unanswered = question;
        return std::nullopt;
    }
    const RotationAnswer answer = m_rotations.front();
    m_rotations.pop_front();
    return answer;
}

TvRotation ScriptDialogs::askRotation(TvRotation preselected)
{
    const std::optional<RotationAnswer> answer = takeRotation(QStringLiteral("TV Image Rotation"));
    if (!answer)
        return preselected;
    switch (*answer) {
    case RotationAnswer::Clockwise: return TvRotation::Clockwise;
    case RotationAnswer::CounterClockwise: return TvRotation::CounterClockwise;
    case RotationAnswer::None: break;
    }
    return TvRotation::None;
}

bool ScriptDialogs::printImage(const QString &imagePath)
{
    const QString pdf = PrintToPdfTarget();
    if (pdf.isEmpty()) {
        if (m_unanswered.isEmpty())
            m_unanswered = QStringLiteral("Print");
        return false;
    }
    QString error;
    if (PrintImageFileToPdf(imagePath, pdf, &error))
        return true;
    message(QStringLiteral("The menu board could not be printed:\n%1").arg(error), MessageButtons::Ok,
            kMessageCaption);
    return false;
}

} // namespace zorvan
