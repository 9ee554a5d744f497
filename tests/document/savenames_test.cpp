#include "document/menudata.h"
#include "document/pricetidy.h"
#include "document/savenames.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

namespace zorvan {
namespace {

struct NameCase {
    const char *typed;
    bool whitePrint;
    const char *saved;
};

TEST(ContainerSaveName, ExactlyOneLayoutSuffixAndTheWhitePrintMarkAfterIt)
{
    const NameCase cases[] = {
        {"Lunch.ZORVAN", false, "Lunch_LAYOUT.ZORVAN"},
        {"Lunch.ZORVAN", true, "Lunch_LAYOUT_WHITE_PRINT_BGND.ZORVAN"},
        {"Lunch_LAYOUT.ZORVAN", false, "Lunch_LAYOUT.ZORVAN"},
        {"Lunch_LAYOUT.ZORVAN", true, "Lunch_LAYOUT_WHITE_PRINT_BGND.ZORVAN"},
        {"Lunch_LAYOUT_WHITE_PRINT_BGND.ZORVAN", false, "Lunch_LAYOUT.ZORVAN"},
        {"Lunch_LAYOUT_WHITE_PRINT_BGND.ZORVAN", true, "Lunch_LAYOUT_WHITE_PRINT_BGND.ZORVAN"},
        {"Lunch_WHITE_PRINT_BGND_LAYOUT_LAYOUT.ZORVAN", false, "Lunch_LAYOUT.ZORVAN"},
        // Without the extension the TV image would take the container's own name.
        {"Lunch", false, "Lunch_LAYOUT.ZORVAN"},
        {"Lunch_LAYOUT", true, "Lunch_LAYOUT_WHITE_PRINT_BGND.ZORVAN"},
        // The extension test is case-sensitive, as everywhere else.
        {"Lunch.zorvan", false, "Lunch.zorvan_LAYOUT.ZORVAN"},
        {"/menus/Lunch.ZORVAN", false, "/menus/Lunch_LAYOUT.ZORVAN"},
        {"/menus_LAYOUT/Lunch", true, "/menus_LAYOUT/Lunch_LAYOUT_WHITE_PRINT_BGND.ZORVAN"},
    };
    for (const NameCase &c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(ContainerSaveName(QString::fromUtf8(c.typed), c.whitePrint), QString::fromUtf8(c.saved));
    }
}

TEST(ProposedSaveName, FromContainersAndLegacyLayouts)
{
    EXPECT_EQ(ProposedSaveName(QStringLiteral("Lunch_LAYOUT.ZORVAN"), true, false), QStringLiteral("Lunch_LAYOUT.ZORVAN"));
    EXPECT_EQ(ProposedSaveName(QStringLiteral("Lunch_LAYOUT.ZORVAN"), true, true),
              QStringLiteral("Lunch_LAYOUT_WHITE_PRINT_BGND.ZORVAN"));
    // A layout opened from a legacy layout text is named after its background.
    EXPECT_EQ(ProposedSaveName(QStringLiteral("Lunch.jpg"), false, false), QStringLiteral("Lunch_LAYOUT.ZORVAN"));
    // A board built on a loaded background has no name to propose yet.
    EXPECT_EQ(ProposedSaveName(QString(), true, false), QString());
}

TEST(TidyPricesForSave, TildesGoThenOneTrailingSpace)
{
    MenuData doc;
    doc.NumberOfColumns = 2;
    doc.NumberOfRows = 2;
    const struct {
        int column, row;
        const char *before, *after;
    } cases[] = {
        {0, 0, "~4.99~", "4.99"},
        {0, 1, "4.99  ", "4.99 "},
        {1, 0, "4.99 ~", "4.99"},
        {1, 1, "~\r\n5.49", "\r\n5.49"},
    };
    for (const auto &c : cases)
        doc.strip(c.column, c.row).block(Prices).Text = QString::fromUtf8(c.before);
    // Outside the grid in use nothing is touched; main items keep their '~'.
    doc.strip(2, 0).block(Prices).Text = QStringLiteral("~1 ");
    doc.strip(0, 0).block(MainItem).Text = QStringLiteral("Fries~ ");
    TidyPricesForSave(doc);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.before);
        EXPECT_EQ(doc.strip(c.column, c.row).block(Prices).Text, QString::fromUtf8(c.after));
    }
    EXPECT_EQ(doc.strip(2, 0).block(Prices).Text, QStringLiteral("~1 "));
    EXPECT_EQ(doc.strip(0, 0).block(MainItem).Text, QStringLiteral("Fries~ "));
}

} // namespace
} // namespace zorvan
