#include "document/container.h"

#include "assets/workfolders.h"
#include "document/layoutpaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <unzip.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace zorvan {

namespace {

constexpr uLong kUtf8NameFlag = 1u << 11;
constexpr uLong kEncryptedFlag = 1u << 0;
// Hosts whose external attributes carry a Unix file mode in the high 16 bits.
constexpr uLong kHostUnix = 3;
constexpr uLong kHostMacOsX = 19;
constexpr int kMaxNameBytes = 255;

QString DecodeMemberName(const QByteArray &raw, uLong flag)
{
    if (flag & kUtf8NameFlag)
        return QString::fromUtf8(raw);
    // Most tools write UTF-8 without saying so; the other platform's editor
    // writes its ANSI code page.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString asUtf8 = utf8.decode(raw);
    if (!utf8.hasError())
        return asUtf8;
    QStringDecoder windows("windows-1252");
    if (windows.isValid()) {
        const QString asWindows = windows.decode(raw);
        if (!windows.hasError())
            return asWindows;
    }
    return QString::fromLatin1(raw);
}

// Links, folders, devices: anything a Unix zip tool marked as not a plain file.
bool IsSpecialEntry(const unz_file_info64 &info)
{
    const uLong host = (info.version >> 8) & 0xFF;
    if (host != kHostUnix && host != kHostMacOsX)
        return false;
    const uLong mode = (info.external_fa >> 16) & 0xFFFF;
    const uLong type = mode & S_IFMT;
    return type != 0 && type != S_IFREG;
}

struct PlannedMember {
    QString memberName;
    QString fileName;
    quint64 size = 0;
};

class Unpacker {
public:
    Unpacker(const QString &containerPath, const QString &targetFolder, const UnpackOptions &options)
        : m_containerPath(containerPath), m_targetFolder(targetFolder), m_options(options)
    {
    }
    ~Unpacker()
    {
        if (m_zip)
            unzClose(m_zip);
    }

    UnpackResult run();

private:
    bool plan();
    bool extractAll(const QString &stagingFolder);
    bool extractCurrent(const PlannedMember &member, const QString &stagingFolder, QByteArray &buffer);
    bool passesCheck(const QString &stagingFolder);
    bool moveIntoPlace(const QString &stagingFolder);
    bool fail(const QString &error)
    {
        if (m_result.error.isEmpty())
            m_result.error = error;
        return false;
    }
    QString where() const { return m_containerPath; }

    QString m_containerPath;
    QString m_targetFolder;
    const UnpackOptions &m_options;
    unzFile m_zip = nullptr;
    QList<PlannedMember> m_plan;
    // Per archive entry: the planned member index, or -1 when skipped.
    QList<int> m_entryPlan;
    UnpackResult m_result;
};

UnpackResult Unpacker::run()
{
    QString error;
    if (PathTooLong(m_containerPath, &error) || PathTooLong(m_targetFolder, &error)) {
        fail(error);
        return m_result;
    }
    const QFileInfo container(m_containerPath);
    if (!container.exists()) {
        fail(QStringLiteral("%1: no such file").arg(m_containerPath));
        return m_result;
    }
    if (!container.isFile()) {
        fail(QStringLiteral("%1: not a file").arg(m_containerPath));
        return m_result;
    }
    m_zip = unzOpen64(QFile::encodeName(m_containerPath).constData());
    if (!m_zip) {
        fail(QStringLiteral("%1: not a layout container (not a readable ZIP archive)").arg(m_containerPath));
        return m_result;
    }
    if (!plan())
        return m_result;

    const bool targetExisted = QFileInfo(m_targetFolder).isDir();
    if (!targetExisted && !QDir().mkpath(m_targetFolder)) {
        fail(QStringLiteral("cannot create the folder %1").arg(m_targetFolder));
        return m_result;
    }
    bool done = false;
    {
        // Aside inside the target itself: the same file system, so the
        // final moves are plain renames.
        QTemporaryDir staging(JoinPath(m_targetFolder, QStringLiteral(".unpack-XXXXXX")));
        if (!staging.isValid())
            fail(QStringLiteral("cannot write in the folder %1: %2").arg(m_targetFolder, staging.errorString()));
        else
            done = extractAll(staging.path()) && passesCheck(staging.path()) && moveIntoPlace(staging.path());
    }
    if (!done) {
        m_result.written.clear();
        if (!targetExisted)
            QDir(m_targetFolder).removeRecursively();
        return m_result;
    }
    m_result.ok = true;
    return m_result;
}

bool Unpacker::plan()
{
    unz_global_info64 global {};
    if (unzGetGlobalInfo64(m_zip, &global) != UNZ_OK)
        return fail(QStringLiteral("%1: the archive is damaged").arg(where()));
    if (global.number_entry > ZPOS64_T(kMaxContainerMembers))
        return fail(QStringLiteral("%1: too many members (%2) for a layout container").arg(where()).arg(global.number_entry));

    quint64 total = 0;
    QByteArray nameBuffer(0x10000, Qt::Uninitialized);
    int status = unzGoToFirstFile(m_zip);
    while (status == UNZ_OK) {
        unz_file_info64 info {};
        if (unzGetCurrentFileInfo64(m_zip, &info, nameBuffer.data(), uLong(nameBuffer.size()), nullptr, 0, nullptr, 0) != UNZ_OK)
            return fail(QStringLiteral("%1: the archive is damaged").arg(where()));
        const QByteArray raw(nameBuffer.constData(), qsizetype(std::min<uLong>(info.size_filename, uLong(nameBuffer.size()))));
        const QString memberName = DecodeMemberName(raw, info.flag);
        const QString fileName = raw.contains('\0') || IsSpecialEntry(info) ? QString() : UnpackedFileName(memberName);
        if (fileName.isEmpty()) {
            m_result.skipped.append(memberName);
            m_entryPlan.append(-1);
        } else {
            if (info.flag & kEncryptedFlag)
                return fail(QStringLiteral("%1: the member %2 is encrypted").arg(where(), memberName));
            if (QFile::encodeName(fileName).size() > kMaxNameBytes)
                return fail(QStringLiteral("%1: the member name %2 is too long for a file name").arg(where(), memberName));
            total += info.uncompressed_size;
            if (info.uncompressed_size > quint64(kMaxUnpackedBytes) || total > quint64(kMaxUnpackedBytes))
                return fail(QStringLiteral("%1: the members would take more than 2 GiB unpacked; this is not a layout container")
                                .arg(where()));
            m_entryPlan.append(int(m_plan.size()));
            m_plan.append({memberName, fileName, info.uncompressed_size});
        }
        status = unzGoToNextFile(m_zip);
    }
    if (status != UNZ_END_OF_LIST_OF_FILE)
        return fail(QStringLiteral("%1: the archive is damaged").arg(where()));
    if (global.number_entry != 0xFFFF && ZPOS64_T(m_entryPlan.size()) != global.number_entry)
        return fail(QStringLiteral("%1: the archive is damaged (it lists %2 members but holds %3)")
                        .arg(where())
                        .arg(global.number_entry)
                        .arg(m_entryPlan.size()));
    return true;
}

bool Unpacker::extractAll(const QString &stagingFolder)
{
    QByteArray buffer(256 * 1024, Qt::Uninitialized);
    int status = unzGoToFirstFile(m_zip);
    for (const int planned : std::as_const(m_entryPlan)) {
        if (status != UNZ_OK)
            return fail(QStringLiteral("%1: the archive is damaged").arg(where()));
        if (planned >= 0 && !extractCurrent(m_plan[planned], stagingFolder, buffer))
            return false;
        status = unzGoToNextFile(m_zip);
    }
    return true;
}

bool Unpacker::extractCurrent(const PlannedMember &member, const QString &stagingFolder, QByteArray &buffer)
{
    const QString damaged = QStringLiteral("%1: the member %2 is damaged").arg(where(), member.memberName);
    if (unzOpenCurrentFile(m_zip) != UNZ_OK)
        return fail(QStringLiteral("%1: the member %2 cannot be read").arg(where(), member.memberName));
    const QString path = JoinPath(stagingFolder, member.fileName);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        unzCloseCurrentFile(m_zip);
        return fail(QStringLiteral("cannot write %1: %2").arg(path, out.errorString()));
    }
    quint64 written = 0;
    for (;;) {
        const int got = unzReadCurrentFile(m_zip, buffer.data(), unsigned(buffer.size()));
        if (got < 0) {
            unzCloseCurrentFile(m_zip);
            return fail(damaged);
        }
        if (got == 0)
            break;
        written += quint64(got);
        // minizip stops at the claimed size; a member never gets more room than that.
        if (written > member.size) {
            unzCloseCurrentFile(m_zip);
            return fail(QStringLiteral("%1: the member %2 is larger than it claims").arg(where(), member.memberName));
        }
        if (out.write(buffer.constData(), got) != got) {
            unzCloseCurrentFile(m_zip);
            return fail(QStringLiteral("cannot write %1: %2").arg(path, out.errorString()));
        }
    }
    // The CRC is only checked once the whole claimed size was read.
    if (unzCloseCurrentFile(m_zip) != UNZ_OK || written != member.size)
        return fail(damaged);
    if (!out.flush()) {
        return fail(QStringLiteral("cannot write %1: %2").arg(path, out.errorString()));
    }
    out.close();
    m_result.written.append({member.memberName, member.fileName});
    return true;
}

bool Unpacker::passesCheck(const QString &stagingFolder)
{
    if (!m_options.check)
        return true;
    QString error;
    if (m_options.check(stagingFolder, &error))
        return true;
    return fail(error.isEmpty() ? QStringLiteral("%1: refused").arg(where()) : error);
}

bool Unpacker::moveIntoPlace(const QString &stagingFolder)
{
    QStringList names;
    for (const UnpackedMember &member : std::as_const(m_result.written)) {
        if (!names.contains(member.fileName))
            names.append(member.fileName);
    }
    // Refuse before anything moved, so the folder stays as it was.
    for (const QString &name : std::as_const(names)) {
        const QFileInfo existing(JoinPath(m_targetFolder, name));
        if (existing.isDir() && !existing.isSymLink())
            return fail(QStringLiteral("cannot write %1: a folder of that name exists").arg(existing.filePath()));
    }
    if (m_options.replaceFolderContents)
        ClearFolder(m_targetFolder);
    for (const QString &name : std::as_const(names)) {
        const QByteArray from = QFile::encodeName(JoinPath(stagingFolder, name));
        const QByteArray to = QFile::encodeName(JoinPath(m_targetFolder, name));
        // Renaming over an existing file makes ext4 flush the new one first
        // (it guards replace-by-rename saves); these are working copies, so
        // the old one simply goes first.
        ::unlink(to.constData());
        if (std::rename(from.constData(), to.constData()) != 0) {
            return fail(QStringLiteral("cannot write %1: %2")
                            .arg(JoinPath(m_targetFolder, name), QString::fromLocal8Bit(std::strerror(errno))));
        }
    }
    return true;
}

} // namespace

QString UnpackedFileName(const QString &memberName)
{
    QString name = FileNameOf(memberName);
    // "C:x.jpg" is a drive-relative path on the platform that wrote it.
    if (name.size() >= 2 && name[1] == QLatin1Char(':') && name[0].isLetter())
        name = name.mid(2);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QString();
    // Control characters make names no user could type or see; the other
    // platform forbids them anyway.
    for (const QChar c : std::as_const(name)) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return QString();
    }
    if (name.contains(QLatin1String(kEarlierBackgroundMarker)))
        return QLatin1String(kBackgroundMember);
    if (name.contains(QLatin1String(kEarlierLayoutMarker)))
        return QLatin1String(kLayoutMember);
    return name;
}

UnpackResult UnpackContainer(const QString &containerPath, const QString &targetFolder, const UnpackOptions &options)
{
    return Unpacker(containerPath, targetFolder, options).run();
}

} // namespace zorvan
