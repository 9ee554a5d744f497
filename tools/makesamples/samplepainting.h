#pragma once

#include <QImage>
#include <QSize>

namespace zorvan::samples {

enum class BoardTheme { Bistro, Garden };

// A menu board background, painted from scratch: gradient, texture and a
// header band. Stamped 96 dpi so the JPEG states its resolution.
QImage PaintBackground(const QSize &size, BoardTheme theme);

enum class Dish { Burger, Fries, Drink, Coffee, Salad, IceCream };

// A food picture for a strip, painted from scratch.
QImage PaintDish(Dish dish, const QSize &size);

} // namespace zorvan::samples
