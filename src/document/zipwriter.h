#pragma once

#include <QByteArray>
#include <QString>

namespace zorvan {

// Writes a plain ZIP archive of flat, deflated members that any unzip tool
// reads. Every step reports its failure; after one, close() fails too.
class ZipWriter {
public:
    ZipWriter() = default;
    ~ZipWriter();
    ZipWriter(const ZipWriter &) = delete;
    ZipWriter &operator=(const ZipWriter &) = delete;

    // Creates (or truncates) the archive file.
    bool open(const QString &archivePath);
    // Adds the disk file under memberName, streamed.
    bool addFile(const QString &memberName, const QString &sourcePath);
    bool addData(const QString &memberName, const QByteArray &data);
    // Writes the central directory and closes the file.
    bool close();

    QString errorString() const { return m_error; }

private:
    bool beginMember(const QString &memberName, qint64 size);
    bool endMember();
    bool fail(const QString &error);

    void *m_zip = nullptr;
    QString m_path;
    QString m_error;
};

} // namespace zorvan
