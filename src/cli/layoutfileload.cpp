#include "layoutfileload.h"

#include "document/container.h"
#include "document/layoutfileread.h"
#include "document/layoutpaths.h"
#include "document/layouttext.h"
#include "document/menudata.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace zorvan::cli {

LoadedLayout::LoadedLayout() : m_doc(std::make_unique<MenuData>()) {}
LoadedLayout::~LoadedLayout() = default;

QString LoadedLayout::workFolder() const
{
    return m_workFolder ? m_workFolder->path() : QString();
}

bool LoadedLayout::load(const QString &path, QString *error)
{
    const QFileInfo file(path);
    if (file.isDir()) {
        *error = QStringLiteral("is a folder, not a layout file");
        return false;
    }
    m_workFolder = std::make_unique<QTemporaryDir>(QDir::temp().filePath(QStringLiteral("zorvan-XXXXXX")));
    if (!m_workFolder->isValid()) {
        *error = QStringLiteral("cannot make a temporary work folder: %1").arg(m_workFolder->errorString());
        return false;
    }
    LayoutFileState state = FileStateForChosenLayout(file.absoluteFilePath());
    QString textPath = path;
    if (state.fromContainer) {
        const UnpackResult unpacked = UnpackContainer(path, workFolder());
        if (!unpacked.ok) {
            // The unpacker names the container itself; the caller names it once.
            *error = unpacked.error;
            if (error->startsWith(path + QStringLiteral(": ")))
                *error = error->mid(path.size() + 2);
            return false;
        }
        textPath = JoinPath(workFolder(), QLatin1String(kLayoutMember));
        if (!QFileInfo(textPath).isFile()) {
            *error = QStringLiteral("not a layout container (it holds no %1)").arg(QLatin1String(kLayoutMember));
            return false;
        }
    }

    const LayoutFileRead read = ReadLayoutFile(textPath, state, workFolder(), *m_doc);
    if (!read.ok) {
        *error = read.error;
        return false;
    }
    m_backgroundFileName = read.backgroundFileName;
    state.currentFilePath = state.fromContainer ? QString::fromLatin1(kBackgroundMember) : state.resolvedBackgroundPath;
    state.collectFonts = !state.fromContainer;
    state.migrationPending = !state.fromContainer;
    m_state = state;
    return true;
}

} // namespace zorvan::cli
