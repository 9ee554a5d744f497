#include "document/zipwriter.h"

#include <QDateTime>
#include <QFile>

#include <zip.h>

namespace zorvan {

namespace {

constexpr qint64 kChunk = 256 * 1024;
// General purpose flag 11: the member name is UTF-8.
constexpr uLong kUtf8NameFlag = 1u << 11;
// MS-DOS "archive" attribute, what an ordinary file carries.
constexpr uLong kDosArchiveAttribute = 0x20;

zip_fileinfo FileInfoNow()
{
    const QDateTime now = QDateTime::currentDateTime();
    zip_fileinfo info {};
    info.tmz_date.tm_sec = uInt(now.time().second());
    info.tmz_date.tm_min = uInt(now.time().minute());
    info.tmz_date.tm_hour = uInt(now.time().hour());
    info.tmz_date.tm_mday = uInt(now.date().day());
    info.tmz_date.tm_mon = uInt(now.date().month() - 1);
    info.tmz_date.tm_year = uInt(now.date().year());
    info.external_fa = kDosArchiveAttribute;
    return info;
}

bool IsAscii(const QByteArray &bytes)
{
    for (const char c : bytes) {
        if (uchar(c) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

ZipWriter::~ZipWriter()
{
    if (m_zip)
        zipClose(m_zip, nullptr);
}

bool ZipWriter::fail(const QString &error)
{
    if (m_error.isEmpty())
        m_error = error;
    return false;
}

bool ZipWriter::open(const QString &archivePath)
{
    m_path = archivePath;
    m_error.clear();
    m_zip = zipOpen64(QFile::encodeName(archivePath).constData(), APPEND_STATUS_CREATE);
    if (!m_zip)
        return fail(QStringLiteral("cannot create %1").arg(archivePath));
    return true;
}

bool ZipWriter::beginMember(const QString &memberName, qint64 size)
{
    if (!m_zip)
        return fail(QStringLiteral("the archive is not open"));
    const QByteArray name = memberName.toUtf8();
    const zip_fileinfo info = FileInfoNow();
    const int zip64 = size >= 0xFFFFFFFFLL ? 1 : 0;
    const int result = zipOpenNewFileInZip4_64(m_zip, name.constData(), &info, nullptr, 0, nullptr, 0, nullptr,
                                               Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0, -MAX_WBITS, DEF_MEM_LEVEL,
                                               Z_DEFAULT_STRATEGY, nullptr, 0, 0,
                                               IsAscii(name) ? 0 : kUtf8NameFlag, zip64);
    if (result != ZIP_OK)
        return fail(QStringLiteral("cannot add %1 to %2 (error %3)").arg(memberName, m_path).arg(result));
    return true;
}

bool ZipWriter::endMember()
{
    if (zipCloseFileInZip(m_zip) != ZIP_OK)
        return fail(QStringLiteral("cannot write %1").arg(m_path));
    return true;
}

bool ZipWriter::addFile(const QString &memberName, const QString &sourcePath)
{
    if (!m_error.isEmpty())
        return false;
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2").arg(sourcePath, source.errorString()));
    if (!beginMember(memberName, source.size()))
        return false;
    QByteArray buffer(kChunk, Qt::Uninitialized);
    for (;;) {
        const qint64 got = source.read(buffer.data(), kChunk);
        if (got < 0) {
            zipCloseFileInZip(m_zip);
            return fail(QStringLiteral("cannot read %1: %2").arg(sourcePath, source.errorString()));
        }
        if (got == 0)
            break;
        if (zipWriteInFileInZip(m_zip, buffer.constData(), unsigned(got)) != ZIP_OK) {
            zipCloseFileInZip(m_zip);
            return fail(QStringLiteral("cannot write %1").arg(m_path));
        }
    }
    return endMember();
}

bool ZipWriter::addData(const QString &memberName, const QByteArray &data)
{
    if (!m_error.isEmpty())
        return false;
    if (!beginMember(memberName, data.size()))
        return false;
    for (qint64 done = 0; done < data.size(); done += kChunk) {
        const qint64 part = std::min(kChunk, data.size() - done);
        if (zipWriteInFileInZip(m_zip, data.constData() + done, unsigned(part)) != ZIP_OK) {
            zipCloseFileInZip(m_zip);
            return fail(QStringLiteral("cannot write %1").arg(m_path));
        }
    }
    return endMember();
}

bool ZipWriter::close()
{
    if (!m_zip)
        return fail(QStringLiteral("the archive is not open"));
    const int result = zipClose(m_zip, nullptr);
    m_zip = nullptr;
    if (result != ZIP_OK)
        return fail(QStringLiteral("cannot write %1").arg(m_path));
    return m_error.isEmpty();
}

} // namespace zorvan
