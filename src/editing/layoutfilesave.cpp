#include "editing/layoutfilesave.h"

#include "document/container.h"
#include "document/filereplace.h"
#include "document/menudata.h"
#include "render/boardexport.h"
#include "render/boardimagenames.h"
#include "render/renderstate.h"

#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace zorvan {

namespace {

// A temporary file that is removed unless it was put in place.
class TempFile {
public:
    TempFile() = default;
    TempFile(const TempFile &) = delete;
    TempFile &operator=(const TempFile &) = delete;
    ~TempFile() { remove(); }

    bool create(const QString &beside, QString *error)
    {
        m_path = CreateTempBeside(beside, error);
        return !m_path.isEmpty();
    }
    const QString &path() const { return m_path; }
    bool isEmpty() const { return m_path.isEmpty(); }
    // It was renamed into place: nothing left to remove.
    void release() { m_path.clear(); }
    void remove()
    {
        if (!m_path.isEmpty())
            QFile::remove(m_path);
        m_path.clear();
    }

private:
    QString m_path;
};

// A second name for the TV image on disk, so that it can be put back if the
// container cannot be put in place after the new image already has been. A
// hard link costs nothing; drives that have none (FAT) get a copy.
bool KeepCopyOf(const QString &path, TempFile &copy, QString *error)
{
    if (!copy.create(path, error))
        return false;
    QFile::remove(copy.path());
    if (::link(QFile::encodeName(path).constData(), QFile::encodeName(copy.path()).constData()) == 0)
        return true;
    if (QFile::copy(path, copy.path()) && FlushToDisk(copy.path(), error))
        return true;
    if (error && error->isEmpty())
        *error = QStringLiteral("cannot keep a copy of %1 while it is replaced").arg(path);
    copy.remove();
    return false;
}

LayoutFilesResult Failed(LayoutFilesResult result, const QString &error)
{
    result.ok = false;
    result.error = error;
    return result;
}

} // namespace

QString TrelmontFolderOf(const QString &workFolder)
{
    if (workFolder.isEmpty())
        return QString();
    return QFileInfo(workFolder).absolutePath();
}

LayoutFilesResult SaveLayoutFiles(const MenuData &doc, RenderState &state, const LayoutFilesRequest &request,
                                  UserPrompts &prompts)
{
    LayoutFilesResult result;
    result.containerPath = request.containerPath;
    result.tvImagePath = TvImagePath(request.containerPath, state.whitePrint);
    if (result.tvImagePath == result.containerPath)
        return Failed(result, QStringLiteral("%1 does not end in .ZORVAN").arg(request.containerPath));

    QString error;
    TempFile image;
    if (!image.create(result.tvImagePath, &error))
        return Failed(result, error);
    BoardExportOptions options;
    options.layoutPath = request.containerPath;
    options.trelmontFolder = request.trelmontFolder;
    options.askRotation = request.askRotation;
    options.outputPath = image.path();
    FontCollector *const earlierFonts = state.fontCollector;
    if (request.fonts)
        state.fontCollector = request.fonts;
    const QString exported = ExportBoardImage(doc, state, options, &error);
    state.fontCollector = earlierFonts;
    if (exported.isEmpty())
        return Failed(result, error);
    if (!FlushToDisk(image.path(), &error))
        return Failed(result, error);

    ContainerSources sources;
    sources.fromContainer = request.fromContainer;
    sources.workFolder = request.workFolder;
    // The export drew the board for output last, so this is the list of its fonts.
    sources.usedFontList = state.usedFontList;
    PreparedContainer container = PrepareContainer(request.containerPath, doc, sources);
    if (!container.ok())
        return Failed(result, container.result().error);
    result.missingFiles = container.result().missingFiles;

    TempFile oldImage;
    if (QFileInfo::exists(result.tvImagePath) && !KeepCopyOf(result.tvImagePath, oldImage, &error))
        return Failed(result, error);
    if (!ReplaceWithTemp(image.path(), result.tvImagePath, &error))
        return Failed(result, error);
    image.release();

    const PackResult packed = CommitContainer(container, prompts);
    if (!packed.ok) {
        // The new image must not stand beside the old container.
        QString restoreError;
        if (oldImage.isEmpty())
            QFile::remove(result.tvImagePath);
        else if (ReplaceWithTemp(oldImage.path(), result.tvImagePath, &restoreError))
            oldImage.release();
        return Failed(result, packed.error);
    }
    result.ok = true;
    return result;
}

} // namespace zorvan
