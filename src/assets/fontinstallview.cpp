#include "assets/fontinstallview.h"

#include "assets/fontinstallmodel.h"

namespace zorvan {

bool ScriptedFontInstallView::ShowMissingFonts(FontInstallModel &model)
{
    m_shownFaces.append(model.missingFaces());
    QStringList files;
    for (const FontInstallModel::File &f : model.files())
        files << f.fileName;
    m_shownFiles.append(files);
    if (m_visits.isEmpty())
        return false;
    const Visit visit = m_visits.takeFirst();
    for (const QString &name : visit.install) {
        const int index = model.indexOf(name);
        if (index < 0)
            m_errors << name + QStringLiteral(": not offered");
        else if (!model.install(index))
            m_errors << name + QStringLiteral(": ") + model.files()[index].error;
    }
    return visit.done;
}

} // namespace zorvan
