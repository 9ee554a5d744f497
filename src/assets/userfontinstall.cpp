#include "assets/userfontinstall.h"

#include "assets/fontcatalogue.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStandardPaths>

namespace zorvan {

namespace {

QByteArray Digest(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result();
}

// Where source goes in folder: its own name, or a numbered one when a
// different font holds that name. *same is set when the file is there already.
QString TargetFor(const QString &source, const QString &folder, bool *same)
{
    const QFileInfo info(source);
    const QByteArray digest = Digest(source);
    *same = false;
    for (int n = 1; n < 1000; ++n) {
        const QString name = n == 1 ? info.fileName()
                                    : QStringLiteral("%1-%2.%3").arg(info.completeBaseName()).arg(n).arg(info.suffix());
        const QString target = folder + u'/' + name;
        if (!QFileInfo::exists(target))
            return target;
        if (!digest.isEmpty() && Digest(target) == digest) {
            *same = true;
            return target;
        }
    }
    return {};
}

} // namespace

QString UserFontFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/fonts");
}

FontInstallResult InstallUserFont(const QString &source, FontCatalogue &catalogue)
{
    FontInstallResult result;
    const QString name = QFileInfo(source).fileName();
    if (!QFileInfo(source).isFile()) {
        result.error = QStringLiteral("%1: the font file is not there").arg(source);
        return result;
    }
    const QString folder = UserFontFolder();
    if (!QDir().mkpath(folder)) {
        result.error = QStringLiteral("%1: cannot create the font folder").arg(folder);
        return result;
    }
    bool same = false;
    const QString target = TargetFor(source, folder, &same);
    if (target.isEmpty()) {
        result.error = QStringLiteral("%1: too many fonts of that name in %2").arg(name, folder);
        return result;
    }
    if (!same) {
        QFile file(source);
        if (!file.copy(target)) {
            result.error = QStringLiteral("%1: cannot copy it to %2: %3").arg(source, folder, file.errorString());
            return result;
        }
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ReadGroup | QFileDevice::ReadOther);
    }
    if (!catalogue.AddFontFile(target)) {
        if (!same)
            QFile::remove(target);
        result.error = QStringLiteral("%1: not a font file").arg(source);
        return result;
    }
    // Qt keeps its own font list; without this the new face would only draw
    // after a restart.
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        result.qtFontId = QFontDatabase::addApplicationFont(target);
    result.ok = true;
    result.installedPath = target;
    return result;
}

} // namespace zorvan
