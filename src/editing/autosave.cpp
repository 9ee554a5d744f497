#include "editing/autosave.h"

#include "assets/workfolders.h"
#include "document/documentsnapshot.h"
#include "document/layoutpaths.h"
#include "document/layouttext.h"
#include "document/menudata.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>

#include <algorithm>
#include <memory>

namespace zorvan {

namespace {

// Format 1 kept the document as layout text, whose numbers are rounded and
// whose reader tidies what it reads; format 2 keeps it exactly.
constexpr int kLayoutTextFormat = 1;
constexpr int kAutosaveFormat = 2;
// Far beyond any real layout; a larger file is not ours.
constexpr qint64 kMaxAutosaveBytes = qint64(256) * 1024 * 1024;

QString AutosavePath(const QString &folder)
{
    return JoinPath(folder, QLatin1String(kAutosaveFileName));
}

bool Fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

// A path inside the old work folder, moved to the same name in the new one.
QString MovedPath(const QString &path, const QString &fromFolder, const QString &toFolder)
{
    const QString prefix = fromFolder + QLatin1Char('/');
    if (!path.startsWith(prefix))
        return path;
    return JoinPath(toFolder, path.mid(prefix.size()));
}

bool ReadInfo(const QString &folder, QJsonObject *object, QString *error)
{
    QFile file(AutosavePath(folder));
    if (!file.open(QIODevice::ReadOnly))
        return Fail(error, QStringLiteral("%1 cannot be opened: %2").arg(file.fileName(), file.errorString()));
    if (file.size() > kMaxAutosaveBytes)
        return Fail(error, QStringLiteral("%1 is too large to be unsaved edits").arg(file.fileName()));
    QJsonParseError parse;
    const QJsonDocument json = QJsonDocument::fromJson(file.readAll(), &parse);
    const int format = json.object().value(QLatin1String("format")).toInt();
    if (!json.isObject() || (format != kAutosaveFormat && format != kLayoutTextFormat))
        return Fail(error, QStringLiteral("%1 is damaged").arg(file.fileName()));
    *object = json.object();
    return true;
}

} // namespace

QString RestoreQuestion(const QString &layoutFileName)
{
    const QString name = layoutFileName.isEmpty() ? QStringLiteral("the new layout") : layoutFileName;
    return QStringLiteral("Restore the unsaved changes of %1?").arg(name);
}

bool WriteAutosave(const QString &workFolder, const MenuData &doc, const LayoutFileState &files, bool whitePrint,
                   QString *error)
{
    if (workFolder.isEmpty())
        return Fail(error, QStringLiteral("there is no work folder"));
    QJsonObject object;
    object.insert(QLatin1String("format"), kAutosaveFormat);
    object.insert(QLatin1String("savedAt"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
    object.insert(QLatin1String("workFolder"), workFolder);
    object.insert(QLatin1String("document"), DocumentSnapshot(doc));
    object.insert(QLatin1String("backgroundPath"), doc.BackgroundPath);
    object.insert(QLatin1String("whitePrint"), whitePrint);
    object.insert(QLatin1String("fromContainer"), files.fromContainer);
    object.insert(QLatin1String("currentFilePath"), files.currentFilePath);
    object.insert(QLatin1String("layoutFileName"), files.layoutFileName);
    object.insert(QLatin1String("lastLayoutFolder"), files.lastLayoutFolder);
    object.insert(QLatin1String("fileFolder"), files.fileFolder);
    object.insert(QLatin1String("legacyFileName"), files.legacyFileName);
    object.insert(QLatin1String("resolvedBackgroundPath"), files.resolvedBackgroundPath);

    QSaveFile file(AutosavePath(workFolder));
    if (!file.open(QIODevice::WriteOnly))
        return Fail(error, QStringLiteral("%1 cannot be created: %2").arg(file.fileName(), file.errorString()));
    const QByteArray bytes = QJsonDocument(object).toJson(QJsonDocument::Compact);
    if (file.write(bytes) != bytes.size() || !file.commit())
        return Fail(error, QStringLiteral("%1 cannot be written: %2").arg(file.fileName(), file.errorString()));
    return true;
}

bool HasAutosave(const QString &folder)
{
    return !folder.isEmpty() && QFileInfo::exists(AutosavePath(folder));
}

void RemoveAutosave(const QString &folder)
{
    if (!folder.isEmpty())
        QFile::remove(AutosavePath(folder));
}

bool ReadAutosave(const QString &folder, MenuData &doc, AutosaveState &state, QString *error)
{
    QJsonObject object;
    if (!ReadInfo(folder, &object, error))
        return false;
    const QString stored = object.value(QLatin1String("workFolder")).toString();
    // Picture paths are kept exactly as they were; the restore moves them.
    const auto read = std::make_unique<MenuData>();
    if (object.value(QLatin1String("format")).toInt() == kLayoutTextFormat) {
        LayoutReadOptions options;
        const LayoutReadResult result = ReadLayoutText(object.value(QLatin1String("layout")).toString(), *read, options);
        if (!result.ok)
            return Fail(error, QStringLiteral("%1 is damaged: %2").arg(AutosavePath(folder), result.error));
        read->WhitePrintBackground = result.whitePrintBackground;
    } else {
        QString reason;
        if (!ReadDocumentSnapshot(object.value(QLatin1String("document")).toObject(), *read, &reason))
            return Fail(error, QStringLiteral("%1 is damaged: %2").arg(AutosavePath(folder), reason));
    }

    AutosaveState loaded;
    loaded.workFolder = stored;
    loaded.savedAt = QDateTime::fromString(object.value(QLatin1String("savedAt")).toString(), Qt::ISODateWithMs);
    loaded.backgroundPath = object.value(QLatin1String("backgroundPath")).toString();
    loaded.whitePrint = object.value(QLatin1String("whitePrint")).toBool();
    LayoutFileState &files = loaded.files;
    files.fromContainer = object.value(QLatin1String("fromContainer")).toBool(true);
    files.currentFilePath = object.value(QLatin1String("currentFilePath")).toString();
    files.layoutFileName = object.value(QLatin1String("layoutFileName")).toString();
    files.lastLayoutFolder = object.value(QLatin1String("lastLayoutFolder")).toString();
    files.fileFolder = object.value(QLatin1String("fileFolder")).toString();
    files.legacyFileName = object.value(QLatin1String("legacyFileName")).toString();
    files.resolvedBackgroundPath = object.value(QLatin1String("resolvedBackgroundPath")).toString();

    read->BackgroundPath = loaded.backgroundPath;
    read->Modified = true;
    doc = *read;
    state = loaded;
    return true;
}

QList<CrashedSession> FindCrashedSessions(const QString &trelmontFolder)
{
    QList<CrashedSession> sessions;
    const QFileInfoList entries = QDir(trelmontFolder).entryInfoList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        if (entry.isSymLink() || !entry.fileName().startsWith(QLatin1String(kWorkFolderPrefix)))
            continue;
        if (!HasAutosave(entry.filePath()) || !LockWorkFolder(entry.filePath()))
            continue;
        QJsonObject object;
        CrashedSession session;
        session.folder = entry.filePath();
        if (ReadInfo(session.folder, &object, nullptr)) {
            session.layoutFileName = object.value(QLatin1String("layoutFileName")).toString();
            session.savedAt = QDateTime::fromString(object.value(QLatin1String("savedAt")).toString(), Qt::ISODateWithMs);
        }
        sessions.append(session);
    }
    std::stable_sort(sessions.begin(), sessions.end(),
                     [](const CrashedSession &a, const CrashedSession &b) { return a.savedAt > b.savedAt; });
    return sessions;
}

bool RestoreCrashedSession(const CrashedSession &session, const QString &workFolder, MenuData &doc,
                           AutosaveState &state, QString *error)
{
    const auto lock = LockWorkFolder(session.folder);
    if (!lock)
        return Fail(error, QStringLiteral("%1 is in use by a running editor").arg(session.folder));
    MenuData read;
    AutosaveState loaded;
    if (!ReadAutosave(session.folder, read, loaded, error))
        return false;
    if (QDir(session.folder) == QDir(workFolder))
        return Fail(error, QStringLiteral("%1 is this run's own work folder").arg(workFolder));

    // Copies first, so that a failure half way leaves the old folder whole.
    const QFileInfoList files = QDir(session.folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    QStringList copied;
    for (const QFileInfo &file : files) {
        if (file.fileName() == QLatin1String(kAutosaveFileName) || file.isSymLink())
            continue;
        const QString target = JoinPath(workFolder, file.fileName());
        QFile::remove(target);
        if (!QFile::copy(file.filePath(), target)) {
            for (const QString &done : std::as_const(copied))
                QFile::remove(done);
            return Fail(error, QStringLiteral("%1 cannot be copied into %2").arg(file.filePath(), workFolder));
        }
        copied.append(target);
    }

    const QString from = loaded.workFolder.isEmpty() ? session.folder : loaded.workFolder;
    for (int column = 0; column < kStripColumns; ++column) {
        for (int row = 0; row < kStripRows; ++row) {
            QString &path = read.strip(column, row).SubImageFileName;
            path = MovedPath(path, from, workFolder);
        }
    }
    read.BackgroundPath = MovedPath(read.BackgroundPath, from, workFolder);
    loaded.backgroundPath = read.BackgroundPath;
    loaded.files.resolvedBackgroundPath = MovedPath(loaded.files.resolvedBackgroundPath, from, workFolder);
    loaded.workFolder = workFolder;
    doc = read;
    state = loaded;

    ClearFolder(session.folder);
    QDir(session.folder).removeRecursively();
    return true;
}

void DiscardCrashedSession(const CrashedSession &session)
{
    const auto lock = LockWorkFolder(session.folder);
    if (!lock)
        return;
    ClearFolder(session.folder);
    QDir(session.folder).removeRecursively();
}

} // namespace zorvan
