#include "scriptparser.h"

#include <QRegularExpression>

#include <map>

namespace zorvan {

namespace {

// What a command's arguments look like: a list of fields, where
//   i  an integer        w:a|b|c  one of the words
//   T  the rest of the line as TEXT (escapes)   P  the rest of the line as a path
//   m  optional "shift", "alt" and "ctrl" flags at the end   s  optional "shift" at the end
const std::map<QString, QString> &Signatures()
{
    static const std::map<QString, QString> table = {
        {QStringLiteral("size"), QStringLiteral("i i")},
        {QStringLiteral("answer"), QStringLiteral("w:ok|cancel|yes|no")},
        {QStringLiteral("answer-file"), QStringLiteral("P")},
        {QStringLiteral("answer-rotation"), QStringLiteral("w:none|cw|ccw")},
        {QStringLiteral("answer-fonts"), QStringLiteral("w:done|close T")},
        {QStringLiteral("open"), QStringLiteral("P")},
        {QStringLiteral("button"), QStringLiteral("i m")},
        {QStringLiteral("check"), QStringLiteral("i")},
        {QStringLiteral("select"), QStringLiteral("i i")},
        {QStringLiteral("click"), QStringLiteral("i i m")},
        {QStringLiteral("click-text"), QStringLiteral("i i i s")},
        {QStringLiteral("click-strip"), QStringLiteral("i i s")},
        {QStringLiteral("click-palette"), QStringLiteral("i")},
        {QStringLiteral("rdrag"), QStringLiteral("i i i i m")},
        {QStringLiteral("rdrag-cell"), QStringLiteral("i i i i m")},
        {QStringLiteral("focus"), QStringLiteral("i")},
        {QStringLiteral("type"), QStringLiteral("i T")},
        {QStringLiteral("set-text"), QStringLiteral("i T")},
        {QStringLiteral("expect-status"), QStringLiteral("T")},
        {QStringLiteral("expect-message"), QStringLiteral("T")},
        {QStringLiteral("dump"), QStringLiteral("P")},
        {QStringLiteral("preview"), QStringLiteral("P")},
        {QStringLiteral("screenshot"), QStringLiteral("P")},
        {QStringLiteral("say"), QStringLiteral("T")},
        {QStringLiteral("close"), QString()},
    };
    return table;
}

bool IsInteger(const QString &word)
{
    static const QRegularExpression integer(QStringLiteral("^-?\\d+$"));
    return integer.match(word).hasMatch();
}

// Splits off the first word of rest; rest keeps what follows after one blank run.
QString LeftTrimmed(const QString &text)
{
    qsizetype start = 0;
    while (start < text.size() && text[start].isSpace())
        ++start;
    return text.mid(start);
}

QString TakeWord(QString &rest)
{
    rest = LeftTrimmed(rest);
    const qsizetype blank = rest.indexOf(QRegularExpression(QStringLiteral("\\s")));
    QString word = blank < 0 ? rest : rest.left(blank);
    rest = blank < 0 ? QString() : rest.mid(blank + 1);
    return word;
}

std::optional<ScriptLine> ParseLine(int number, const QString &command, QString rest, QString *error)
{
    const auto fail = [&](const QString &why) -> std::optional<ScriptLine> {
        *error = QStringLiteral("line %1: %2").arg(number).arg(why);
        return std::nullopt;
    };
    const auto found = Signatures().find(command);
    if (found == Signatures().end())
        return fail(QStringLiteral("unknown command '%1'").arg(command));
    ScriptLine line;
    line.number = number;
    line.command = command;
    const QStringList fields = found->second.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &field : fields) {
        if (field == QLatin1String("T") || field == QLatin1String("P")) {
            // One blank separates the text from what comes before; the rest is the text as written.
            if (field == QLatin1String("P"))
                rest = rest.trimmed();
            if (field == QLatin1String("P") && rest.isEmpty())
                return fail(QStringLiteral("%1 needs a path").arg(command));
            if (field == QLatin1String("T")) {
                const std::optional<QString> text = UnescapeText(rest);
                if (!text)
                    return fail(QStringLiteral("bad escape in '%1'").arg(rest));
                line.args.append(*text);
            } else {
                line.args.append(rest);
            }
            rest.clear();
        } else if (field == QLatin1String("m") || field == QLatin1String("s")) {
            while (!rest.trimmed().isEmpty()) {
                const QString flag = TakeWord(rest);
                if (flag == QLatin1String("shift") && !line.shift)
                    line.shift = true;
                else if (flag == QLatin1String("alt") && field == QLatin1String("m") && !line.alt)
                    line.alt = true;
                else if (flag == QLatin1String("ctrl") && field == QLatin1String("m") && !line.ctrl)
                    line.ctrl = true;
                else
                    return fail(QStringLiteral("unexpected '%1'").arg(flag));
            }
        } else {
            const QString word = TakeWord(rest);
            if (word.isEmpty())
                return fail(QStringLiteral("%1 needs more arguments").arg(command));
            if (field == QLatin1String("i") && !IsInteger(word))
                return fail(QStringLiteral("'%1' is not a number").arg(word));
            if (field.startsWith(QLatin1String("w:")) && !field.mid(2).split(QLatin1Char('|')).contains(word))
                return fail(QStringLiteral("'%1' is not one of %2").arg(word, field.mid(2)));
            line.args.append(word);
        }
    }
    if (!rest.trimmed().isEmpty())
        return fail(QStringLiteral("unexpected '%1'").arg(rest.trimmed()));
    return line;
}

} // namespace

std::optional<QString> UnescapeText(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\\')) {
            result.append(c);
            continue;
        }
        if (++i >= text.size())
            return std::nullopt;
        switch (text[i].unicode()) {
        case 'n': result.append(QLatin1Char('\n')); break;
        case 'r': result.append(QLatin1Char('\r')); break;
        case 't': result.append(QLatin1Char('\t')); break;
        case 'b': result.append(QLatin1Char('\b')); break;
        case '\\': result.append(QLatin1Char('\\')); break;
        default: return std::nullopt;
        }
    }
    return result;
}

QStringList ScriptCommandNames()
{
    QStringList names;
    for (const auto &[name, signature] : Signatures())
        names.append(name);
    return names;
}

std::optional<QList<ScriptLine>> ParseScript(const QString &text, QString *error)
{
    QList<ScriptLine> lines;
    const QStringList rows = text.split(QLatin1Char('\n'));
    for (int i = 0; i < rows.size(); ++i) {
        QString row = rows[i];
        if (row.endsWith(QLatin1Char('\r')))
            row.chop(1);
        const QString trimmed = row.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        QString rest = LeftTrimmed(row);
        const QString command = TakeWord(rest);
        // Commands without text or path arguments may carry a comment after them.
        const QString signature = Signatures().count(command) ? Signatures().at(command) : QString();
        if (!signature.contains(QLatin1Char('T')) && !signature.contains(QLatin1Char('P'))) {
            const qsizetype hash = rest.indexOf(QLatin1Char('#'));
            if (hash >= 0)
                rest = rest.left(hash);
        }
        std::optional<ScriptLine> line = ParseLine(i + 1, command, rest, error);
        if (!line)
            return std::nullopt;
        lines.append(*line);
    }
    return lines;
}

} // namespace zorvan
