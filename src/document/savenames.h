#pragma once

#include <QString>

namespace zorvan {

// The Save As dialog of "Save Layout && TV Image Files".
inline constexpr char kSaveDialogTitle[] = "Save .ZORVAN Layout File and its associated .JPG Image-for-TV File";
inline constexpr char kSaveDialogFilter[] = "Zorvan Layout(*.ZORVAN)|*.ZORVAN||";

// A container name carries exactly one "_LAYOUT", followed by
// "_WHITE_PRINT_BGND" in the white print format, whatever the user typed in
// that respect: every "_WHITE_PRINT_BGND" and "_LAYOUT" is taken out and
// ".ZORVAN" becomes "_LAYOUT.ZORVAN" or "_LAYOUT_WHITE_PRINT_BGND.ZORVAN". A
// name not ending in ".ZORVAN" gets it, so that the TV image and the container
// never share one name. Given a path, its folders keep their names.
QString ContainerSaveName(const QString &typedName, bool whitePrint);

// The name Save As proposes for the open layout. A layout opened from a
// legacy layout text is named base + ".jpg" and proposes base + "_LAYOUT.ZORVAN".
QString ProposedSaveName(const QString &layoutFileName, bool fromContainer, bool whitePrint);

} // namespace zorvan
