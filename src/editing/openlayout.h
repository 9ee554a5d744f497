#pragma once

#include <QString>

namespace zorvan {

class Editor;

inline const QString kOpenLayoutTitle = QStringLiteral("Open ZorvanLayout File");
inline const QString kOpenLayoutFilter =
    QStringLiteral("ZorvanLayout File*.XZORVAN;*.ZORVAN;*_TV.jpg;*_BGND.jpg|*.XZORVAN;*.ZORVAN;*_TV.jpg;*_BGND.jpg||");
// %1 is the path of the file that could not be opened.
inline const QString kUnableToOpenMessage =
    QStringLiteral("Unable to open file\r\n\r\n%1\r\n\r\nPress OK to continue.");

// A TV image stands for the container saved beside it: "Lunch_TV.jpg" for
// "Lunch_LAYOUT.ZORVAN", "Lunch_TV_WHITE_PRINT_BGND.jpg" for
// "Lunch_LAYOUT_WHITE_PRINT_BGND.ZORVAN". Only the file name is looked at,
// so a folder whose name holds "_TV" changes nothing. Other paths are kept.
QString LayoutPathForChosenFile(const QString &chosenPath);

// "Open Zorvan Layout File": asks to save the current layout, lets the user
// choose a container, a TV image or a legacy layout text, and replaces the
// open layout with it. The new layout is unpacked, read and its fonts
// checked before anything of the current one is given up, so a file that
// cannot be opened, or an opening the user abandons, leaves the document,
// the title and the work folder as they were.
void OpenLayout(Editor &editor);

void RegisterOpenLayoutCommand(Editor &editor);

} // namespace zorvan
