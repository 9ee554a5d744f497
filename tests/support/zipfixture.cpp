#include "zipfixture.h"

#include <QFile>
#include <QProcess>

#include <unzip.h>
#include <zip.h>
#include <zlib.h>

namespace zorvan::test {

namespace {

QByteArray RawDeflate(const QByteArray &data)
{
    z_stream stream {};
    deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(int(deflateBound(&stream, uLong(data.size()))), Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return out;
}

} // namespace

unsigned long Crc32(const QByteArray &data)
{
    return crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef *>(data.constData()), uInt(data.size()));
}

bool WriteZip(const QString &path, const QList<ZipEntrySpec> &entries)
{
    zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    if (!zip)
        return false;
    bool ok = true;
    for (const ZipEntrySpec &entry : entries) {
        zip_fileinfo info {};
        info.tmz_date = {0, 0, 12, 1, 0, 2024};
        info.external_fa = entry.externalAttributes;
        const bool raw = entry.claimedSize >= 0;
        ok = ok && zipOpenNewFileInZip4_64(zip, entry.name.constData(), &info, nullptr, 0, nullptr, 0, nullptr,
                                           Z_DEFLATED, Z_DEFAULT_COMPRESSION, raw ? 1 : 0, -MAX_WBITS, 8,
                                           Z_DEFAULT_STRATEGY, nullptr, 0, entry.versionMadeBy, entry.flags, 0)
                == ZIP_OK;
        if (!ok)
            break;
        const QByteArray payload = raw ? RawDeflate(entry.data) : entry.data;
        if (!payload.isEmpty())
            ok = zipWriteInFileInZip(zip, payload.constData(), unsigned(payload.size())) == ZIP_OK;
        if (raw) {
            const unsigned long crc = entry.claimedCrc >= 0 ? (unsigned long)entry.claimedCrc : Crc32(entry.data);
            ok = zipCloseFileInZipRaw64(zip, ZPOS64_T(entry.claimedSize), crc) == ZIP_OK && ok;
        } else {
            ok = zipCloseFileInZip(zip) == ZIP_OK && ok;
        }
    }
    return zipClose(zip, nullptr) == ZIP_OK && ok;
}

QStringList ZipMemberNames(const QString &path)
{
    QStringList names;
    unzFile zip = unzOpen64(QFile::encodeName(path).constData());
    if (!zip)
        return names;
    char name[4096];
    for (int status = unzGoToFirstFile(zip); status == UNZ_OK; status = unzGoToNextFile(zip)) {
        unz_file_info64 info {};
        if (unzGetCurrentFileInfo64(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK)
            break;
        names.append(QString::fromUtf8(name));
    }
    unzClose(zip);
    return names;
}

int RunTool(const QString &program, const QStringList &arguments, QString *output)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(10000))
        return -1;
    process.waitForFinished(120000);
    if (output)
        *output = QString::fromLocal8Bit(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace zorvan::test
