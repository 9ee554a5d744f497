#pragma once

#include <QString>
#include <QStringList>

namespace zorvan {

class MenuData;
class UserPrompts;
struct LayoutFileState;

struct MigrationOptions {
    // Ask the user first (the editor); the command-line tool converts without asking.
    bool ask = true;
    // Remove the legacy layout text and its support folder once the container is in place.
    bool removeLegacy = true;
};

struct MigrationResult {
    bool converted = false;
    QString containerPath; // the container written (also when the user said No: the one proposed)
    QString error;         // why the conversion failed, when it was tried
    bool legacyRemoved = false;
    QStringList missingFiles; // pictures or fonts the container could not carry
};

// The question offered once after a legacy layout was opened.
QString MigrationQuestion(const QString &legacyFileName, const QString &containerFileName);

// Turns the open legacy layout into a container beside it, then works on the
// container's copies in the work folder as if it had been opened. The legacy
// files are removed only after the new container was written and read back
// into the work folder; any failure leaves them, and the document, as they
// were and is shown to the user. Clears the pending-migration and
// font-collection flags whatever the outcome.
MigrationResult MigrateLegacyLayout(MenuData &doc, LayoutFileState &state, const QString &workFolder,
                                    const QString &usedFontList, UserPrompts &prompts,
                                    const MigrationOptions &options = {});

} // namespace zorvan
