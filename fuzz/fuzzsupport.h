#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace zorvan::fuzz {

// A Qt application object for image plugins and a private scratch folder
// under /dev/shm (or the temporary folder), made once per fuzzing process.
void InitOnce();
QString ScratchFolder();

// The scratch folder's subfolder name, emptied of files; created when missing.
QString FreshFolder(const QString &name);

// Writes bytes to a file in the scratch folder and returns its path.
QString WriteScratchFile(const QString &name, const uint8_t *data, size_t size);

} // namespace zorvan::fuzz
