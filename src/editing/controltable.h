#pragma once

#include <QRect>
#include <QString>

#include <vector>

namespace zorvan {

enum class ControlKind { Button, IconButton, CheckBox, GroupBox, Label, ValueLabel, TextBox, DropList };
enum class ButtonIcon { None, Up, Down, Left, Right, Plus, Minus };

// One control of the panel as the window creates it. Positions and sizes are
// dialog units; the window converts them with its font's base units.
struct ControlSpec {
    int id = 0;
    QString caption; // "&&" shows one ampersand; "\n" breaks the line
    ControlKind kind = ControlKind::Button;
    bool enabled = true;
    bool visible = true;
    QRect dialogRect;
    ButtonIcon icon = ButtonIcon::None;
    bool textLeft = false; // check boxes with their text on the left of the box
};

// Every control of the panel, in creation order (group boxes before what
// they hold, so they lie underneath).
const std::vector<ControlSpec> &ControlTable();
// Null when the id names no control of the panel.
const ControlSpec *FindControl(int id);

// The window's size in dialog units.
inline constexpr int kDialogWidth = 752;
inline constexpr int kDialogHeight = 489;

// Converts dialog units into pixels with the base units of the dialog font.
struct DialogUnits {
    int baseX = 7;
    int baseY = 16;
    int x(int units) const { return units * baseX / 4; }
    int y(int units) const { return units * baseY / 8; }
    QRect rect(const QRect &units) const;
};

} // namespace zorvan
