#pragma once

#include "document/layoutfilestate.h"

#include <QString>

#include <memory>

class QTemporaryDir;

namespace zorvan {
class MenuData;
}

namespace zorvan::cli {

// A layout read the way Open reads it, for the commands that look at it
// without the editor. A container is unpacked into a private temporary work
// folder, removed with this object; background and picture paths follow the
// container rules there. Any other file is a legacy layout text, whose paths
// follow the legacy rules (its support folder beside it).
class LoadedLayout {
public:
    LoadedLayout();
    ~LoadedLayout();
    LoadedLayout(const LoadedLayout &) = delete;
    LoadedLayout &operator=(const LoadedLayout &) = delete;

    // On failure returns false with the reason (without the path) in *error.
    bool load(const QString &path, QString *error);

    MenuData &doc() { return *m_doc; }
    const MenuData &doc() const { return *m_doc; }
    // The BackgroundFileName value as stored.
    const QString &backgroundFileName() const { return m_backgroundFileName; }
    // The file state as Open leaves it.
    LayoutFileState &state() { return m_state; }
    QString workFolder() const;

private:
    std::unique_ptr<MenuData> m_doc;
    QString m_backgroundFileName;
    LayoutFileState m_state;
    std::unique_ptr<QTemporaryDir> m_workFolder;
};

} // namespace zorvan::cli
