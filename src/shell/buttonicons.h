#pragma once

#include "editing/controltable.h"

#include <QIcon>

namespace zorvan {

// The arrow and plus/minus pictures of the small panel buttons, drawn at start-up.
QIcon MakeButtonIcon(ButtonIcon icon, int size);
// The window icon: a small board of strips.
QIcon MakeWindowIcon();

} // namespace zorvan
