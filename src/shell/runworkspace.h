#pragma once

#include "editing/workspace.h"

#include <QString>

namespace zorvan {

// This run's work folder on disk.
class RunWorkspace : public Workspace {
public:
    // Makes the folders under appDataFolder; false when the work folder could not be made.
    bool start(const QString &appDataFolder);
    bool otherInstanceRunning() const { return m_otherInstance; }

    QString workFolder() const override { return m_workFolder; }
    void clearWorkFolder() override;
    void removeWorkFolder() override;

    static QString DefaultAppDataFolder();

private:
    QString m_workFolder;
    bool m_otherInstance = false;
};

} // namespace zorvan
