#include "assets/layoutfaces.h"
#include "document/menudata.h"

#include <gtest/gtest.h>

namespace zorvan {
namespace {

TEST(LayoutFaces, FacesOfBlocksWithTextInReadingOrder)
{
    MenuData doc;
    doc.NumberOfColumns = 2;
    doc.NumberOfRows = 2;
    const auto set = [&](int column, int row, int item, const char *face, const char *text) {
        doc.strip(column, row).block(item).Font = QString::fromUtf8(face);
        doc.strip(column, row).block(item).Text = QString::fromUtf8(text);
    };
    set(1, 0, MainItem, "Cubano", "Shake");
    set(0, 1, Prices, "Arial", "1.99");
    set(0, 0, SubItems, "Arial Black", "fries");
    set(0, 0, MainItem, "Arial Black", "Burger");
    set(0, 0, Prices, "Empty", "");
    set(1, 1, MainItem, "", "no face");
    set(2, 0, MainItem, "Outside", "beyond the grid in use");
    set(1, 1, SubItems, "arial", "a face differing in case only");
    EXPECT_EQ(LayoutFaces(doc), QStringList({"Arial Black", "Arial", "Cubano", "arial"}));
}

} // namespace
} // namespace zorvan
