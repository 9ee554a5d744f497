#include "clicommands.h"

#include "assets/fontlistfile.h"
#include "document/layouttext.h"
#include "document/menudata.h"

#include "privatefonts.h"
#include "tempdir.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

#include <memory>

using namespace zorvan;

namespace {

int RunCli(const QStringList &args, QByteArray *output = nullptr)
{
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const int status = cli::RunCommand(args, out, err);
    EXPECT_TRUE(err.data().isEmpty()) << err.data().toStdString();
    if (output)
        *output = out.data();
    return status;
}

} // namespace

TEST(MigrateCollectsFonts, TheContainerCarriesTheInstalledFontsOfTheLayout)
{
    test::PrivateFonts fonts;
    fonts.install(test::kDejaVuSans, "DejaVuSans.ttf");
    fonts.install(test::kLiberationSans, "LiberationSans-Regular.ttf");
    test::TempDir dir;
    QDir(dir.path()).mkpath("Lunch_SupportFiles");
    QImage background(64, 48, QImage::Format_RGB32);
    background.fill(Qt::darkBlue);
    ASSERT_TRUE(background.save(dir.file("Lunch_SupportFiles/Lunch-ZORVANBGD.jpg"), "JPEG"));

    auto doc = std::make_unique<MenuData>();
    doc->NumberOfColumns = 1;
    doc->NumberOfRows = 2;
    doc->strip(0, 0).MainItemTextParams.Font = "DejaVu Sans";
    doc->strip(0, 0).MainItemTextParams.Text = "Burger";
    doc->strip(0, 0).PricesTextParams.Font = "Arial"; // drawn by its stand-in: not carried
    doc->strip(0, 0).PricesTextParams.Text = "4.99";
    doc->strip(0, 1).MainItemTextParams.Font = "DejaVu Sans";
    doc->strip(0, 1).MainItemTextParams.Text = "Fries";
    const QString legacy = dir.file("ZorvanLayout_Lunch.XZORVAN");
    QString error;
    ASSERT_TRUE(WriteLayoutTextFile(legacy, WriteLayoutText(*doc, "Lunch-ZORVANBGD.jpg"), &error)) << error.toStdString();

    ASSERT_EQ(RunCli({"migrate", legacy}), cli::kExitOk);
    const QString container = dir.file("Lunch_LAYOUT.ZORVAN");
    ASSERT_TRUE(QFile::exists(container));

    const QString unpacked = dir.file("unpacked");
    ASSERT_EQ(RunCli({"unpack", container, unpacked}), cli::kExitOk);
    QString list;
    ASSERT_TRUE(ReadFontListFile(unpacked + "/FontFileNames.txt", &list));
    EXPECT_EQ(list, "DejaVu Sans,DejaVuSans.ttf;");
    EXPECT_TRUE(QFile::exists(unpacked + "/DejaVuSans.ttf"));

    QByteArray listing;
    ASSERT_EQ(RunCli({"fonts", container}, &listing), cli::kExitOk);
    EXPECT_EQ(QString::fromUtf8(listing), "DejaVu Sans\tinstalled\tDejaVuSans.ttf\t" + fonts.fontFolder() + "/DejaVuSans.ttf\n"
                                          "Arial\tstand-in\t-\tLiberation Sans\n");
}
