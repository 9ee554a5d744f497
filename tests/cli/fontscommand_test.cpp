#include "clicommands.h"
#include "clirun.h"

#include "document/container.h"
#include "document/layouttext.h"
#include "document/menudata.h"
#include "document/userprompts.h"

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

using test::Outcome;
using test::RunZorvan;

// A layout using an installed face, a stand-in, a carried face this machine
// lacks and a missing face travelling without a file.
class FontsCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        fonts.install(test::kDejaVuSans, "DejaVuSans.ttf");
        fonts.install(test::kLiberationSans, "LiberationSans-Regular.ttf");
        doc = std::make_unique<MenuData>();
        doc->NumberOfColumns = 2;
        doc->NumberOfRows = 2;
        set(0, 0, MainItem, "DejaVu Sans", "Burger");
        set(0, 0, Prices, "Arial", "4.99");
        set(0, 1, MainItem, "DejaVu Serif", "Fries");
        set(1, 0, SubItems, "Cubano", "Shake");
        set(1, 1, MainItem, "Unused", "");
        set(1, 1, Prices, "DejaVu Sans", "1.99");
    }

    void set(int column, int row, int item, const char *face, const char *text)
    {
        doc->strip(column, row).block(item).Font = QString::fromUtf8(face);
        doc->strip(column, row).block(item).Text = QString::fromUtf8(text);
    }

    QString pack()
    {
        const QString work = dir.file("work");
        QDir().mkpath(work);
        QImage background(64, 48, QImage::Format_RGB32);
        background.fill(Qt::darkGreen);
        background.save(work + "/Background.jpg", "JPEG");
        QFile::copy(test::kDejaVuSans, work + "/DejaVuSans.ttf");
        QFile::copy(test::kDejaVuSerif, work + "/DejaVuSerif.ttf");
        ContainerSources sources;
        sources.workFolder = work;
        sources.usedFontList = "DejaVu Sans,DejaVuSans.ttf;DejaVu Serif,DejaVuSerif.ttf;Cubano,Cubano.ttf;";
        QueuedPrompts prompts;
        const QString path = dir.file("Lunch_LAYOUT.ZORVAN");
        const PackResult packed = PackContainer(path, *doc, sources, prompts);
        EXPECT_TRUE(packed.ok) << packed.error.toStdString();
        return path;
    }

    test::PrivateFonts fonts;
    test::TempDir dir;
    std::unique_ptr<MenuData> doc;
};

} // namespace

TEST_F(FontsCommand, AContainerListsEveryFaceWithWhatItCarries)
{
    const Outcome o = RunZorvan({"fonts", pack()});
    ASSERT_EQ(o.status, cli::kExitOk) << o.err.toStdString();
    EXPECT_TRUE(o.err.isEmpty());
    const QString installed = fonts.fontFolder() + "/DejaVuSans.ttf";
    EXPECT_EQ(QString::fromUtf8(o.out), "DejaVu Sans\tinstalled\tDejaVuSans.ttf\t" + installed + "\n"
                                        "Arial\tstand-in\t-\tLiberation Sans\n"
                                        "DejaVu Serif\tmissing\tDejaVuSerif.ttf\t-\n"
                                        "Cubano\tmissing\t-\t-\n");
}

TEST_F(FontsCommand, ALegacyLayoutCarriesNothing)
{
    const QString path = dir.file("ZorvanLayout_Lunch.XZORVAN");
    QString error;
    ASSERT_TRUE(WriteLayoutTextFile(path, WriteLayoutText(*doc, "Lunch-ZORVANBGD.jpg"), &error)) << error.toStdString();
    const Outcome o = RunZorvan({"fonts", path});
    ASSERT_EQ(o.status, cli::kExitOk) << o.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(o.out), "DejaVu Sans\tinstalled\t-\t" + fonts.fontFolder() + "/DejaVuSans.ttf\n"
                                        "Arial\tstand-in\t-\tLiberation Sans\n"
                                        "DejaVu Serif\tmissing\t-\t-\n"
                                        "Cubano\tmissing\t-\t-\n");
}

TEST_F(FontsCommand, ErrorsNameTheFileOnOneLine)
{
    const struct {
        QStringList args;
        QString named;
    } cases[] = {
        {{"fonts"}, "fonts"},
        {{"fonts", "a", "b"}, "fonts"},
        {{"fonts", dir.file("Nowhere_LAYOUT.ZORVAN")}, dir.file("Nowhere_LAYOUT.ZORVAN")},
        {{"fonts", dir.path()}, dir.path()},
    };
    for (const auto &c : cases) {
        const Outcome o = RunZorvan(c.args);
        EXPECT_EQ(o.status, cli::kExitError) << c.args.join(' ').toStdString();
        EXPECT_TRUE(o.out.isEmpty());
        EXPECT_TRUE(o.err.startsWith("zorvan: " + c.named.toUtf8() + ": ")) << o.err.toStdString();
        EXPECT_EQ(o.err.count('\n'), 1);
    }
}
