#include "render/rotationdata.h"

#include <QDir>
#include <QFile>

namespace zorvan {

QString RotationDataPath(const QString &trelmontFolder)
{
    return QDir(trelmontFolder).filePath(QStringLiteral("RotationData.txt"));
}

TvRotation ReadRotationData(const QString &trelmontFolder)
{
    QFile file(RotationDataPath(trelmontFolder));
    if (!file.open(QIODevice::ReadOnly))
        return TvRotation::None;
    const QByteArray first = file.read(2);
    if (first.size() < 2 || first.at(1) != 0)
        return TvRotation::None;
    switch (first.at(0)) {
    case '1': return TvRotation::Clockwise;
    case '2': return TvRotation::CounterClockwise;
    default: return TvRotation::None;
    }
}

bool WriteRotationData(const QString &trelmontFolder, TvRotation rotation)
{
    QFile file(RotationDataPath(trelmontFolder));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QString digits = QString::number(static_cast<int>(rotation));
    QByteArray bytes;
    for (QChar ch : digits) {
        bytes.append(static_cast<char>(ch.unicode() & 0xFF));
        bytes.append(static_cast<char>(ch.unicode() >> 8));
    }
    return file.write(bytes) == bytes.size();
}

TvRotation AskRotation(const QString &trelmontFolder, const RotationQuestion &question)
{
    const TvRotation preselected = ReadRotationData(trelmontFolder);
    const TvRotation chosen = question ? question(preselected) : preselected;
    // A failed write only forgets the choice for next time.
    WriteRotationData(trelmontFolder, chosen);
    return chosen;
}

} // namespace zorvan
