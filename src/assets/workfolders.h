#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace zorvan {

class UserPrompts;

inline constexpr char kTrelmontFolderName[] = "Trelmont";
inline constexpr char kWorkFolderPrefix[] = "QRT";
inline constexpr char kInstanceLockName[] = "Hello.lock";
// Unsaved edits a run keeps in its work folder; a folder holding one is kept
// at start until its edits were offered back to the user.
inline constexpr char kAutosaveFileName[] = "Autosave.json";

// Deletes the files directly inside folder (read-only ones too; links are
// removed, never followed); subfolders stay. Returns how many files it removed.
int ClearFolder(const QString &folder);

// Removes every "QRT…" folder in the Trelmont folder that no running
// instance holds. Returns how many it removed. Shows the one message of
// this housekeeping when the folder cannot be listed.
int RemoveObsoleteQRTFolders(const QString &trelmontFolder, UserPrompts *prompts = nullptr);

// The lock of a work folder, taken for as long as the result lives; null when
// a running instance holds it.
std::unique_ptr<QLockFile> LockWorkFolder(const QString &workFolder);

// The per-run folders: the Trelmont folder under the application data
// folder, and in it this run's work folder "QRT" + start time in seconds.
// Each work folder is guarded by a lock file "<name>.lock" beside it for as
// long as its instance runs, so no other instance ever empties or removes it.
class WorkFolders {
public:
    WorkFolders();
    ~WorkFolders(); // releases the locks; the work folder stays (see removeWorkFolder)
    WorkFolders(const WorkFolders &) = delete;
    WorkFolders &operator=(const WorkFolders &) = delete;

    // $ZORVAN_APPDATA_DIR when set, else the user's generic data folder.
    static QString DefaultAppDataFolder();

    // Creates the Trelmont folder, takes the single-instance lock, removes the
    // work folders of earlier runs when no other instance runs, and creates
    // a fresh work folder. startTime is seconds since 1970 (now when < 0).
    bool start(const QString &appDataFolder, UserPrompts *prompts = nullptr, qint64 startTime = -1);

    // Empties and removes this run's work folder and lets go of it (Exit and window close).
    void removeWorkFolder();

    QString trelmontFolder() const { return m_trelmontFolder; }
    QString workFolder() const { return m_workFolder; }
    bool otherInstanceRunning() const { return m_otherInstance; }
    int removedAtStart() const { return m_removedAtStart; }
    QString errorString() const { return m_error; }

private:
    QString m_trelmontFolder;
    QString m_workFolder;
    QString m_error;
    bool m_otherInstance = false;
    int m_removedAtStart = 0;
    std::unique_ptr<QLockFile> m_instanceLock;
    std::unique_ptr<QLockFile> m_workFolderLock;
};

} // namespace zorvan
