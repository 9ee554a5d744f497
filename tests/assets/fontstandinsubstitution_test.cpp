#include "assets/fontcatalogue.h"
#include "assets/fontstandinsubstitution.h"

#include <QFont>
#include <QFontInfo>
#include <gtest/gtest.h>

namespace zorvan {
namespace {

// The machine's own fonts: the stand-in packages are part of the build
// dependencies, the faces of the other platform are not.
TEST(FontStandIns, QtDrawsMissingFacesWithTheirStandIns)
{
    FontCatalogue catalogue;
    if (catalogue.Status("Segoe UI Black") != FontStatus::StandIn)
        GTEST_SKIP() << "Segoe UI Black is installed here, or Open Sans is not";

    const QStringList applied = ApplyFontStandIns(catalogue);
    EXPECT_TRUE(applied.contains("Segoe UI Black"));
    EXPECT_EQ(QFont::substitute("Segoe UI Black").toLower(), catalogue.StandInFamily("Segoe UI Black").toLower());
    EXPECT_TRUE(QFontInfo(QFont("Segoe UI Black")).family().startsWith("Open Sans"))
        << QFontInfo(QFont("Segoe UI Black")).family().toStdString();
}

} // namespace
} // namespace zorvan
