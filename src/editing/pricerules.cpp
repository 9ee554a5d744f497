#include "editing/pricerules.h"

namespace zorvan {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

} // namespace

QString KeepFirstCaloriesMark(const QString &text)
{
    QString result;
    result.reserve(text.size());
    bool markSeen = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('<') || c == QLatin1Char('>')) {
            if (markSeen)
                continue;
            markSeen = true;
        }
        result.append(c);
        // A new column starts after each tab mark and after each line break.
        if (c == QLatin1Char('^') || (c == QLatin1Char('\n') && i > 0 && text[i - 1] == QLatin1Char('\r')))
            markSeen = false;
    }
    return result;
}

PriceEntry CorrectPriceEntry(const QString &typed)
{
    PriceEntry entry;
    entry.text = typed;
    if (const qsizetype backslash = entry.text.indexOf(QLatin1Char('\\')); backslash >= 0) {
        entry.text.remove(QLatin1Char('\\'));
        entry.reload = true;
        // The caret stays where the refused key was pressed.
        entry.caret = int(backslash);
    }
    const qsizetype firstBreak = entry.text.indexOf(kLineBreak);
    if (firstBreak >= 0) {
        const qsizetype secondBreak = entry.text.indexOf(kLineBreak, firstBreak + 2);
        if (secondBreak >= 0) {
            // A third line cannot be started: the break that would start it goes
            // again, and nothing the user typed on the second line is lost.
            QString head = entry.text.left(secondBreak);
            QString tail = entry.text.mid(secondBreak);
            tail.remove(kLineBreak);
            entry.text = head + tail;
            entry.reload = true;
            entry.caret = int(secondBreak);
        }
    }
    const QString kept = KeepFirstCaloriesMark(entry.text);
    if (kept != entry.text) {
        entry.text = kept;
        entry.reload = true;
        entry.caretToPriceCaret = true;
    }
    return entry;
}

} // namespace zorvan
