#include "editing/userdialogs.h"

#include <QStringList>

namespace zorvan {

QString QtFileFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList lines;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const QString patterns = parts[i + 1];
        if (description.isEmpty() && patterns.isEmpty())
            break;
        // Descriptions often repeat the patterns ("Jpeg*.jpg"); the dialog shows them in brackets anyway.
        const qsizetype star = description.indexOf(QLatin1Char('*'));
        if (star >= 0)
            description = description.left(star);
        description = description.trimmed();
        if (description.endsWith(QLatin1Char('(')))
            description.chop(1);
        QString list = patterns;
        list.replace(QLatin1Char(';'), QLatin1Char(' '));
        lines.append(QStringLiteral("%1 (%2)").arg(description.trimmed(), list.simplified()));
    }
    return lines.join(QStringLiteral(";;"));
}

} // namespace zorvan
