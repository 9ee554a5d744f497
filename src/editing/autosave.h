#pragma once

#include "document/layoutfilestate.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace zorvan {

class MenuData;

// The unsaved edits of the open layout are kept in the work folder (file
// kAutosaveFileName) so that a crash or a power cut loses at most the last
// minute of work. One file, replaced in one step, so it is never half written.
inline constexpr int kAutosaveIntervalMs = 60 * 1000;

// "Restore the unsaved changes of <file>?"
QString RestoreQuestion(const QString &layoutFileName);

// Everything a restore puts back besides the document itself.
struct AutosaveState {
    LayoutFileState files;
    QString backgroundPath;
    bool whitePrint = false;
    QString workFolder;   // the folder the paths in the document point into
    QDateTime savedAt;
};

bool WriteAutosave(const QString &workFolder, const MenuData &doc, const LayoutFileState &files, bool whitePrint,
                   QString *error = nullptr);
bool HasAutosave(const QString &folder);
void RemoveAutosave(const QString &folder);

// Reads an autosave back: the document exactly as it was written (paths
// still pointing into its own work folder) and its state. False with a
// reason when the file is missing or damaged; doc is then untouched.
bool ReadAutosave(const QString &folder, MenuData &doc, AutosaveState &state, QString *error = nullptr);

// A work folder left behind by a run that ended without clearing it away
// (a crash, a power cut, a killed process) and that holds unsaved edits.
struct CrashedSession {
    QString folder;
    QString layoutFileName;
    QDateTime savedAt;
};

// The crashed sessions in the Trelmont folder, newest first. Folders a
// running instance holds are never listed.
QList<CrashedSession> FindCrashedSessions(const QString &trelmontFolder);

// Moves a crashed session's files into this run's (empty) work folder and
// reads its document: the paths that pointed into the old folder point into
// workFolder, the document counts as modified, and the old folder is
// removed. False with a reason when it cannot be read; nothing changes then.
bool RestoreCrashedSession(const CrashedSession &session, const QString &workFolder, MenuData &doc,
                           AutosaveState &state, QString *error = nullptr);

// Removes a crashed session's folder once its edits were declined.
void DiscardCrashedSession(const CrashedSession &session);

} // namespace zorvan
