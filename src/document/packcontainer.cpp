#include "document/container.h"

#include "assets/fontlistfile.h"
#include "document/filereplace.h"
#include "document/layoutpaths.h"
#include "document/layouttext.h"
#include "document/menudata.h"
#include "document/userprompts.h"
#include "document/zipwriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <utility>

namespace zorvan {

namespace {

const char kLayoutRenameMessage[] = "Our new filing system will\nadd '_LAYOUT' to this file name.";

class Packer {
public:
    Packer(const MenuData &doc, const ContainerSources &sources, ZipWriter &zip, PackResult &result)
        : m_doc(doc), m_sources(sources), m_zip(zip), m_result(result)
    {
    }

    bool addAll();

private:
    // A source that is not there is left out (and listed); one that cannot
    // be read once found makes the container fail.
    bool addFileIfPresent(const QString &memberName, const QString &sourcePath);
    bool addData(const QString &memberName, const QByteArray &data);

    const MenuData &m_doc;
    const ContainerSources &m_sources;
    ZipWriter &m_zip;
    PackResult &m_result;
    QSet<QString> m_addedSources;
};

bool Packer::addFileIfPresent(const QString &memberName, const QString &sourcePath)
{
    if (sourcePath.isEmpty())
        return true;
    if (!QFileInfo(sourcePath).isFile()) {
        m_result.missingFiles.append(sourcePath);
        return true;
    }
    if (!m_zip.addFile(memberName, sourcePath))
        return false;
    m_result.members.append(memberName);
    return true;
}

bool Packer::addData(const QString &memberName, const QByteArray &data)
{
    if (!m_zip.addData(memberName, data))
        return false;
    m_result.members.append(memberName);
    return true;
}

bool Packer::addAll()
{
    const QString workFolder = m_sources.workFolder;
    QDir().mkpath(workFolder);

    const QString background = m_sources.fromContainer ? JoinPath(workFolder, QLatin1String(kBackgroundMember))
                                                        : m_doc.BackgroundPath;
    if (!addFileIfPresent(QLatin1String(kBackgroundMember), background))
        return false;

    // The archive gets the text from memory; the copy left in the work folder
    // is the same text, as Open would have unpacked it.
    const QString plain = WriteLayoutText(m_doc, JoinPath(workFolder, QLatin1String(kBackgroundMember)));
    const QByteArray layoutBytes = EncodeLayoutBytes(ScrambleLayoutText(plain));
    QFile layoutFile(JoinPath(workFolder, QLatin1String(kLayoutMember)));
    if (layoutFile.open(QIODevice::WriteOnly | QIODevice::Truncate))
        layoutFile.write(layoutBytes);
    layoutFile.close();
    if (!addData(QLatin1String(kLayoutMember), layoutBytes))
        return false;

    for (int column = 0; column < m_doc.NumberOfColumns; ++column) {
        for (int row = 0; row < m_doc.NumberOfRows; ++row) {
            const QString &picture = m_doc.strip(column, row).SubImageFileName;
            // Strips sharing one picture file share one member.
            if (picture.isEmpty() || m_addedSources.contains(picture))
                continue;
            m_addedSources.insert(picture);
            const QString name = FileNameOf(picture);
            if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) {
                m_result.missingFiles.append(picture);
                continue;
            }
            if (!addFileIfPresent(name, picture))
                return false;
        }
    }

    for (const FontListEntry &font : ParseFontList(m_sources.usedFontList)) {
        const QString fileName = FileNameOf(font.file);
        if (fileName.isEmpty() || fileName == QLatin1String("..") || fileName == QLatin1String("."))
            continue;
        const QString source = JoinPath(workFolder, fileName);
        if (m_addedSources.contains(source))
            continue;
        m_addedSources.insert(source);
        if (!addFileIfPresent(fileName, source))
            return false;
    }

    WriteFontListFile(JoinPath(workFolder, QLatin1String(kFontListFileName)), m_sources.usedFontList);
    return addData(QLatin1String(kFontListFileName), EncodeFontList(m_sources.usedFontList));
}

// Removes the container of the earlier naming beside the new one.
bool RemoveEarlierContainer(const QString &targetPath)
{
    const QString earlier = EarlierContainerPath(targetPath);
    if (earlier.isEmpty())
        return false;
    const QFileInfo info(earlier);
    if (!info.isFile() && !info.isSymLink())
        return false;
    return QFile::remove(earlier);
}

} // namespace

PreparedContainer::PreparedContainer(PreparedContainer &&other) noexcept
    : m_targetPath(std::move(other.m_targetPath)), m_tempPath(std::exchange(other.m_tempPath, QString())),
      m_result(std::move(other.m_result))
{
}

PreparedContainer::~PreparedContainer()
{
    discard();
}

void PreparedContainer::discard()
{
    if (!m_tempPath.isEmpty())
        QFile::remove(m_tempPath);
    m_tempPath.clear();
}

PreparedContainer PrepareContainer(const QString &targetPath, const MenuData &doc, const ContainerSources &sources)
{
    PreparedContainer prepared;
    prepared.m_targetPath = targetPath;
    PackResult &result = prepared.m_result;
    if (PathTooLong(targetPath, &result.error))
        return prepared;
    if (QFileInfo(targetPath).isDir()) {
        result.error = QStringLiteral("%1 is a folder").arg(targetPath);
        return prepared;
    }
    prepared.m_tempPath = CreateTempBeside(targetPath, &result.error);
    if (prepared.m_tempPath.isEmpty())
        return prepared;

    ZipWriter zip;
    bool ok = zip.open(prepared.m_tempPath);
    if (ok) {
        ok = Packer(doc, sources, zip, result).addAll();
        ok = zip.close() && ok;
    }
    if (ok)
        ok = FlushToDisk(prepared.m_tempPath, &result.error);
    else
        result.error = zip.errorString();
    if (!ok) {
        prepared.discard();
        result.members.clear();
        return prepared;
    }
    result.ok = true;
    return prepared;
}

PackResult CommitContainer(PreparedContainer &prepared, UserPrompts &prompts)
{
    PackResult result = prepared.m_result;
    if (!result.ok)
        return result;
    result.ok = false;
    if (!ReplaceWithTemp(prepared.m_tempPath, prepared.m_targetPath, &result.error)) {
        prepared.discard();
        result.members.clear();
        return result;
    }
    prepared.m_tempPath.clear();
    if (RemoveEarlierContainer(prepared.m_targetPath)) {
        result.earlierNameReplaced = true;
        prompts.showMessage(QString::fromLatin1(kLayoutRenameMessage));
    }
    result.ok = true;
    return result;
}

PackResult PackContainer(const QString &targetPath, const MenuData &doc, const ContainerSources &sources,
                         UserPrompts &prompts)
{
    PreparedContainer prepared = PrepareContainer(targetPath, doc, sources);
    return CommitContainer(prepared, prompts);
}

} // namespace zorvan
