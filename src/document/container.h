#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace zorvan {

class MenuData;
class UserPrompts;

// Limits an unpacked container must keep; anything beyond them is not a
// layout but an attack or a broken file.
inline constexpr qint64 kMaxUnpackedBytes = qint64(2) * 1024 * 1024 * 1024;
inline constexpr int kMaxContainerMembers = 10000;

// Where the files that go into a container come from.
struct ContainerSources {
    // The background and pictures are the copies in the work folder.
    bool fromContainer = true;
    QString workFolder;
    // Entries "face,file;" of the fonts the last output render used.
    QString usedFontList;
};

struct PackResult {
    bool ok = false;
    QString error;              // why the container was not written
    QStringList members;        // member names in archive order
    QStringList missingFiles;   // pictures or fonts that were not found and so not packed
    bool earlierNameReplaced = false; // a container of the earlier naming was deleted
};

// Writes the container: the background as "Background.jpg", the scrambled
// layout text as "Layout.XZORVAN", every strip picture under its own file
// name, every used font file and "FontFileNames.txt". An existing target is
// replaced in one step only once the new archive is complete on disk; on
// failure it is left exactly as it was. A container of the earlier naming
// (the name without "_LAYOUT") beside the target is removed, telling the user once.
PackResult PackContainer(const QString &targetPath, const MenuData &doc, const ContainerSources &sources,
                         UserPrompts &prompts);

// A container written and flushed to disk beside its target but not yet in
// place, so that Save can put the TV image and the container in place only
// once both are complete. Dropping it unused removes the temporary file.
class PreparedContainer {
public:
    PreparedContainer() = default;
    PreparedContainer(PreparedContainer &&other) noexcept;
    PreparedContainer &operator=(PreparedContainer &&) = delete;
    PreparedContainer(const PreparedContainer &) = delete;
    ~PreparedContainer();

    bool ok() const { return m_result.ok; }
    // What went in, or why it failed; ok means ready to commit.
    const PackResult &result() const { return m_result; }
    const QString &targetPath() const { return m_targetPath; }
    void discard();

private:
    friend PreparedContainer PrepareContainer(const QString &, const MenuData &, const ContainerSources &);
    friend PackResult CommitContainer(PreparedContainer &, UserPrompts &);

    QString m_targetPath;
    QString m_tempPath;
    PackResult m_result;
};

PreparedContainer PrepareContainer(const QString &targetPath, const MenuData &doc, const ContainerSources &sources);
// Renames the prepared archive over the target in one step, then removes a
// container of the earlier naming as PackContainer does.
PackResult CommitContainer(PreparedContainer &prepared, UserPrompts &prompts);

struct UnpackedMember {
    QString memberName; // as stored in the archive
    QString fileName;   // the file written in the target folder
};

struct UnpackResult {
    bool ok = false;
    QString error;
    QList<UnpackedMember> written;   // in archive order; a name written twice appears twice
    QStringList skipped;             // member names that were not extracted
};

struct UnpackOptions {
    // Looks at the extracted files before they are moved in (Open reads the
    // layout text there); false, with *error set, refuses the container and
    // leaves the target folder as it was.
    std::function<bool(const QString &stagingFolder, QString *error)> check;
    // Empty the target folder's files (ClearFolder) just before the new ones
    // move in, once everything was read and checked.
    bool replaceFolderContents = false;
};

// Extracts every member into targetFolder (created when missing) under its
// plain file name: folder parts, drive letters and ".." are dropped, links
// and folders are never created. Members named by earlier versions become
// "Background.jpg" and "Layout.XZORVAN". All members are extracted aside
// first and moved in only when every one of them was read intact, so a
// refused container leaves the folder as it was.
UnpackResult UnpackContainer(const QString &containerPath, const QString &targetFolder,
                             const UnpackOptions &options = {});

// The file name a member is extracted under; empty when it is skipped.
QString UnpackedFileName(const QString &memberName);

} // namespace zorvan
