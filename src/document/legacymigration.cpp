#include "document/legacymigration.h"

#include "assets/workfolders.h"
#include "document/container.h"
#include "document/layoutfilestate.h"
#include "document/layoutpaths.h"
#include "document/menudata.h"
#include "document/userprompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zorvan {

namespace {

class BusyScope {
public:
    explicit BusyScope(UserPrompts &prompts) : m_prompts(prompts) { m_prompts.setBusy(true); }
    ~BusyScope() { m_prompts.setBusy(false); }

private:
    UserPrompts &m_prompts;
};

bool SameFolder(const QString &a, const QString &b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

// The legacy support folder: the folder of the resolved background when that
// is a "…_SupportFiles" folder directly inside the legacy folder, else the
// layout's own "<title>_SupportFiles". Never anything else: the background
// path comes from a file and must not steer a deletion elsewhere.
QString LegacySupportFolder(const LayoutFileState &state)
{
    const QString legacyFolder = state.fileFolder;
    const QString fromBackground = FolderOf(state.resolvedBackgroundPath);
    if (!fromBackground.isEmpty() && FileNameOf(fromBackground).endsWith(QLatin1String(kSupportFolderSuffix))
        && SameFolder(FolderOf(fromBackground), legacyFolder) && QFileInfo(fromBackground).isDir()
        && !QFileInfo(fromBackground).isSymLink())
        return fromBackground;
    const QString own = JoinPath(legacyFolder, LegacyTitle(state.legacyFileName) + QLatin1String(kSupportFolderSuffix));
    return QFileInfo(own).isDir() && !QFileInfo(own).isSymLink() ? own : QString();
}

void RemoveLegacyFiles(const LayoutFileState &state, const QString &legacyTextPath, MigrationResult &result)
{
    const QString supportFolder = LegacySupportFolder(state);
    if (!supportFolder.isEmpty()) {
        ClearFolder(supportFolder);
        QDir().rmdir(supportFolder);
    }
    result.legacyRemoved = QFile::remove(legacyTextPath);
}

} // namespace

QString MigrationQuestion(const QString &legacyFileName, const QString &containerFileName)
{
    return QStringLiteral("We are transitioning to a simpler file system.\r\n\rThe layout file\r\n        %1\r\n"
                          "        and its support folder\r\n\r\nare being replaced with a single file\r\n"
                          "        %2.\r\n\r\nDo you wish to replace them (recommended)?\r\n\r\n\r\n"
                          "If assistance is needed regarding this, call\r\nTrelmont Tech Support.")
        .arg(legacyFileName, containerFileName);
}

MigrationResult MigrateLegacyLayout(MenuData &doc, LayoutFileState &state, const QString &workFolder,
                                    const QString &usedFontList, UserPrompts &prompts,
                                    const MigrationOptions &options)
{
    MigrationResult result;
    state.migrationPending = false;
    state.collectFonts = false;

    QString folder = state.lastLayoutFolder;
    if (folder.isEmpty())
        folder = state.fileFolder;
    const QString legacyTextPath = JoinPath(folder, state.legacyFileName);
    const QString containerName = ContainerNameForLegacy(state.legacyFileName);
    result.containerPath = JoinPath(folder, containerName);

    if (options.ask && prompts.ask(MigrationQuestion(state.legacyFileName, containerName), Buttons::YesNo) != Answer::Yes)
        return result;

    BusyScope busy(prompts);
    ContainerSources sources;
    sources.fromContainer = false;
    sources.workFolder = workFolder;
    sources.usedFontList = usedFontList;
    const PackResult packed = PackContainer(result.containerPath, doc, sources, prompts);
    result.missingFiles = packed.missingFiles;
    if (!packed.ok) {
        result.error = packed.error;
    } else {
        // Read the new container back before anything of the old layout goes.
        UnpackOptions unpackOptions;
        unpackOptions.replaceFolderContents = true;
        const UnpackResult unpacked = UnpackContainer(result.containerPath, workFolder, unpackOptions);
        if (!unpacked.ok)
            result.error = unpacked.error;
    }
    if (!result.error.isEmpty()) {
        prompts.showMessage(QStringLiteral("The layout could not be converted:\r\n%1\r\n\r\n"
                                           "The layout file and its support folder were kept.")
                                .arg(result.error));
        return result;
    }

    if (options.removeLegacy)
        RemoveLegacyFiles(state, legacyTextPath, result);

    state.fromContainer = true;
    state.currentFilePath = result.containerPath;
    state.layoutFileName.replace(QLatin1String(".jpg"), QLatin1String(".ZORVAN"));
    doc.BackgroundPath = JoinPath(workFolder, QLatin1String(kBackgroundMember));
    for (int column = 0; column < doc.NumberOfColumns; ++column) {
        for (int row = 0; row < doc.NumberOfRows; ++row) {
            QString &picture = doc.strip(column, row).SubImageFileName;
            if (!picture.isEmpty())
                picture = JoinPath(workFolder, FileNameOf(picture));
        }
    }
    result.converted = true;
    return result;
}

} // namespace zorvan
