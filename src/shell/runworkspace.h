#pragma once

#include "assets/workfolders.h"
#include "editing/workspace.h"

namespace zorvan {

class UserPrompts;

// This run's work folder, kept by the work folders of the assets for as long
// as the editor runs.
class RunWorkspace : public Workspace {
public:
    // Clears away the work folders of earlier runs (unless another instance
    // runs) and makes this run's; false when it could not be made.
    bool start(const QString &appDataFolder, UserPrompts *prompts = nullptr)
    {
        return m_folders.start(appDataFolder, prompts);
    }
    const WorkFolders &folders() const { return m_folders; }

    QString workFolder() const override { return m_folders.workFolder(); }
    void clearWorkFolder() override { ClearFolder(m_folders.workFolder()); }
    void removeWorkFolder() override { m_folders.removeWorkFolder(); }

private:
    WorkFolders m_folders;
};

} // namespace zorvan
