#include "document/layoutfileread.h"

#include "document/layoutpaths.h"
#include "document/layouttext.h"
#include "document/menudata.h"

#include <QFileInfo>

namespace zorvan {

LayoutFileRead ReadLayoutFile(const QString &textPath, LayoutFileState &state, const QString &workFolder,
                              MenuData &doc, Colour paletteColour)
{
    LayoutFileRead read;
    const QFileInfo info(textPath);
    if (info.isDir()) {
        read.error = QStringLiteral("is a folder, not a layout file");
        return read;
    }
    if (info.size() > kMaxLayoutTextBytes) {
        read.error = QStringLiteral("is too large to be a layout (%1 bytes)").arg(info.size());
        return read;
    }
    QString text;
    if (!ReadLayoutTextFile(textPath, &text, &read.error))
        return read;
    const LayoutPathRules rules = PathRulesFor(state, workFolder);
    LayoutReadOptions options;
    options.resolvePicturePath = [&rules](const QString &stored) { return ResolvePicturePath(stored, rules); };
    options.paletteColour = paletteColour;
    const LayoutReadResult result = ReadLayoutText(text, doc, options);
    if (!result.ok) {
        read.error = result.error;
        return read;
    }
    read.ok = true;
    read.backgroundFileName = result.backgroundFileName;
    read.whitePrintBackground = result.whitePrintBackground;
    state.resolvedBackgroundPath = ResolveBackgroundPath(result.backgroundFileName, rules);
    doc.BackgroundPath = state.fromContainer ? JoinPath(workFolder, QLatin1String(kBackgroundMember))
                                             : state.resolvedBackgroundPath;
    return read;
}

LayoutFileState FileStateForChosenLayout(const QString &path)
{
    LayoutFileState state;
    const QFileInfo file(path);
    state.fileFolder = FolderOf(path);
    if (state.fileFolder.isEmpty())
        state.fileFolder = file.absolutePath();
    state.lastLayoutFolder = state.fileFolder + QLatin1Char('/');
    state.fromContainer = IsContainerPath(path);
    state.layoutFileName = FileNameOf(path);
    if (!state.fromContainer) {
        state.legacyFileName = state.layoutFileName;
        state.layoutFileName.replace(QLatin1String("XZORVAN"), QLatin1String("jpg"));
        state.layoutFileName.remove(QLatin1String(kLegacyPrefix));
    }
    return state;
}

} // namespace zorvan
