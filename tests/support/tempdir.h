#pragma once

#include <QTemporaryDir>
#include <QString>

namespace zorvan::test {

// A temporary folder removed with the fixture.
class TempDir {
public:
    TempDir() = default;
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

} // namespace zorvan::test
