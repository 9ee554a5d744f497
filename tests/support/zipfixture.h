#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace zorvan::test {

// One member of a hand-made ZIP archive. The fields beyond name and data let
// a test write what our own writer never would: Unix links, UTF-8 flags,
// and sizes that lie.
struct ZipEntrySpec {
    QByteArray name; // raw bytes as stored
    QByteArray data;
    unsigned versionMadeBy = 0;      // host << 8 | version; 3 << 8 is Unix
    unsigned externalAttributes = 0; // a Unix mode goes into the high 16 bits
    unsigned flags = 0;              // general purpose flags (1 << 11: UTF-8 name)
    // When >= 0 the member is stored raw (deflated here) and claims this
    // uncompressed size and CRC instead of the true ones.
    qint64 claimedSize = -1;
    qint64 claimedCrc = -1;
};

// Writes the archive with minizip; false on any failure.
bool WriteZip(const QString &path, const QList<ZipEntrySpec> &entries);

// CRC-32 of data, as ZIP stores it.
unsigned long Crc32(const QByteArray &data);

// The member names of an archive in order, read with minizip.
QStringList ZipMemberNames(const QString &path);

// Runs a program; returns its exit code (-1 when it could not start) and its output.
int RunTool(const QString &program, const QStringList &arguments, QString *output = nullptr);

} // namespace zorvan::test
