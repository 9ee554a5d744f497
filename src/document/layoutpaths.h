#pragma once

#include "document/layoutfilestate.h"

#include <QString>

namespace zorvan {

// Paths of this many bytes or more are refused rather than cut short.
inline constexpr int kMaxPathBytes = 4096;

// True (and *error set) when the path is too long for the file system.
bool PathTooLong(const QString &path, QString *error = nullptr);

// The text after the last '/' or '\': layouts written on the other platform
// store full paths with backslashes.
QString FileNameOf(const QString &path);
// The text before the last '/' or '\' (no trailing separator); empty when there is none.
QString FolderOf(const QString &path);
// folder + '/' + name, without doubling a trailing separator; name alone without a folder.
QString JoinPath(const QString &folder, const QString &name);

// A container is told from a legacy layout text by the exact text after the last '.'.
bool IsContainerPath(const QString &path);

// Member and file names of containers and legacy layouts.
inline constexpr char kBackgroundMember[] = "Background.jpg";
inline constexpr char kLayoutMember[] = "Layout.XZORVAN";
inline constexpr char kEarlierBackgroundMarker[] = "ZORVANBGD";
inline constexpr char kEarlierLayoutMarker[] = "ZorvanLayout";
inline constexpr char kLegacyPrefix[] = "ZorvanLayout_";
inline constexpr char kSupportFolderSuffix[] = "_SupportFiles";

// "ZorvanLayout_Lunch.XZORVAN" gives "Lunch".
QString LegacyTitle(const QString &legacyFileName);
// "ZorvanLayout_Lunch.XZORVAN" gives "Lunch_LAYOUT.ZORVAN".
QString ContainerNameForLegacy(const QString &legacyFileName);
// The container name of the earlier single-file naming: every "_LAYOUT" taken
// out of the file name (never out of the folders above it). Empty when the
// name has no "_LAYOUT".
QString EarlierContainerPath(const QString &containerPath);

// What the path rules need to know about the open layout.
struct LayoutPathRules {
    bool fromContainer = true;
    QString workFolder;   // this run's work folder
    QString legacyFolder; // folder of the legacy layout text, no trailing '/'
    QString title;        // LegacyTitle of the legacy layout text
};

LayoutPathRules PathRulesFor(const LayoutFileState &state, const QString &workFolder);

// Where the background and a strip's picture really are, from the values
// stored in the layout text.
QString ResolveBackgroundPath(const QString &storedBackgroundFileName, const LayoutPathRules &rules);
QString ResolvePicturePath(const QString &storedSubImageFileName, const LayoutPathRules &rules);

} // namespace zorvan
