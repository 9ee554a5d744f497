// Opening a layout whose fonts this machine lacks: the guided installation,
// and what an abandoned opening leaves.
#include "fakeservices.h"

#include "assets/fontinstallview.h"
#include "document/layouttext.h"
#include "editing/controlids.h"

#include "privatefonts.h"
#include "tempdir.h"
#include "zipfixture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

#include <memory>

namespace zorvan {
namespace {

using Visit = ScriptedFontInstallView::Visit;

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray SmallJpeg(const QColor &colour)
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return bytes;
}

// A 1 x 2 container whose texts use the given faces, carrying DejaVu Serif.
QString WriteContainer(const QString &path, const QStringList &faces, const QColor &background)
{
    MenuData doc;
    doc.NumberOfColumns = 1;
    doc.NumberOfRows = 2;
    for (int r = 0; r < faces.size(); ++r) {
        doc.strip(0, r).MainItemTextParams.Text = faces[r];
        doc.strip(0, r).MainItemTextParams.Font = faces[r];
    }
    const QByteArray text = EncodeLayoutBytes(ScrambleLayoutText(WriteLayoutText(doc, QStringLiteral("Background.jpg"))));
    EXPECT_TRUE(test::WriteZip(path, {{"Layout.XZORVAN", text},
                                      {"Background.jpg", SmallJpeg(background)},
                                      {"DejaVuSerif.ttf", FileBytes(QString::fromLatin1(test::kDejaVuSerif))},
                                      {"DejaVuSans.ttf", FileBytes(QString::fromLatin1(test::kDejaVuSans))}}));
    return path;
}

class OpenLayoutFontsTest : public ::testing::Test {
protected:
    test::PrivateFonts fonts; // before the editor's font catalogue
    test::TempDir temp;
    QString work = temp.file(QStringLiteral("Trelmont/QRT100"));
    test::EditorFixture f{work};
    ScriptedFontInstallView view;

    OpenLayoutFontsTest()
    {
        fonts.install(QString::fromLatin1(test::kDejaVuSans), QStringLiteral("DejaVuSans.ttf"));
        f.editor.SetFontInstallView(&view);
    }

    void open(const QString &path)
    {
        f.dialogs.files.push_back(path);
        ASSERT_TRUE(f.editor.RunCommand(CommandEvent{ctl::OpenLayout, false, false}));
    }
};

TEST_F(OpenLayoutFontsTest, AnInstalledFontsCarriedCopyGoesAndAMissingOneIsInstalledThroughTheDialog)
{
    const QString path = WriteContainer(temp.file(QStringLiteral("Lunch_LAYOUT.ZORVAN")),
                                        {QStringLiteral("DejaVu Sans"), QStringLiteral("DejaVu Serif")}, Qt::red);
    f.dialogs.answers.push_back(MessageAnswer::Ok);
    view.queue(Visit{{QStringLiteral("DejaVuSerif.ttf")}, true});
    open(path);

    ASSERT_EQ(view.shownFaces().size(), 1);
    EXPECT_EQ(view.shownFaces()[0], QStringList{QStringLiteral("DejaVu Serif")});
    EXPECT_TRUE(view.errors().isEmpty()) << qPrintable(view.errors().join(QLatin1Char(';')));
    ASSERT_EQ(f.dialogs.texts.size(), 1) << qPrintable(f.dialogs.texts.join(QStringLiteral(" | ")));
    EXPECT_TRUE(f.dialogs.texts[0].contains(QStringLiteral("DejaVu Serif")));
    EXPECT_EQ(f.editor.document().strip(0, 1).MainItemTextParams.Text, QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(f.editor.title(), TitleText(QStringLiteral("Lunch_LAYOUT.ZORVAN")));
    // Fonts this machine has are collected again when saving; the carried copies go.
    EXPECT_FALSE(QFileInfo::exists(work + QStringLiteral("/DejaVuSans.ttf")));
    EXPECT_FALSE(QFileInfo::exists(work + QStringLiteral("/DejaVuSerif.ttf")));
    EXPECT_TRUE(QFileInfo::exists(work + QStringLiteral("/Layout.XZORVAN")));
    EXPECT_EQ(f.window.waits, 0);
}

TEST_F(OpenLayoutFontsTest, ALegacyLayoutOffersTheFontsOfItsSupportFolder)
{
    MenuData doc;
    doc.NumberOfColumns = 1;
    doc.NumberOfRows = 1;
    doc.strip(0, 0).MainItemTextParams.Text = QStringLiteral("Serif");
    doc.strip(0, 0).MainItemTextParams.Font = QStringLiteral("DejaVu Serif");
    const QString legacy = temp.file(QStringLiteral("ZorvanLayout_Lunch.XZORVAN"));
    QFile text(legacy);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(EncodeLayoutBytes(ScrambleLayoutText(WriteLayoutText(doc, QStringLiteral("Lunch-ZORVANBGD.jpg")))));
    text.close();
    const QString support = temp.file(QStringLiteral("Lunch_SupportFiles"));
    QDir().mkpath(support);
    QFile background(support + QStringLiteral("/Lunch-ZORVANBGD.jpg"));
    ASSERT_TRUE(background.open(QIODevice::WriteOnly));
    background.write(SmallJpeg(Qt::gray));
    background.close();
    ASSERT_TRUE(QFile::copy(QString::fromLatin1(test::kDejaVuSerif), support + QStringLiteral("/DejaVuSerif.ttf")));

    f.dialogs.answers.push_back(MessageAnswer::Ok);
    view.queue(Visit{{QStringLiteral("DejaVuSerif.ttf")}, true});
    open(legacy);
    EXPECT_TRUE(view.errors().isEmpty()) << qPrintable(view.errors().join(QLatin1Char(';')));
    ASSERT_EQ(view.shownFiles().size(), 1);
    EXPECT_TRUE(view.shownFiles()[0].contains(QStringLiteral("DejaVuSerif.ttf")));
    EXPECT_EQ(f.editor.files().legacyFileName, QStringLiteral("ZorvanLayout_Lunch.XZORVAN"));
    EXPECT_EQ(f.editor.document().strip(0, 0).MainItemTextParams.Text, QStringLiteral("Serif"));
    // The support folder keeps its files until the layout is converted.
    EXPECT_TRUE(QFileInfo::exists(support + QStringLiteral("/DejaVuSerif.ttf")));
}

TEST_F(OpenLayoutFontsTest, CancellingTheFontsAbandonsTheOpeningAndKeepsTheOpenLayout)
{
    const QString first = WriteContainer(temp.file(QStringLiteral("First_LAYOUT.ZORVAN")),
                                         {QStringLiteral("DejaVu Sans")}, Qt::blue);
    open(first);
    ASSERT_TRUE(f.dialogs.texts.isEmpty()) << qPrintable(f.dialogs.texts.join(QStringLiteral(" | ")));
    const QByteArray background = FileBytes(work + QStringLiteral("/Background.jpg"));
    const QStringList files = QDir(work).entryList(QDir::Files);
    const auto doc = std::make_unique<MenuData>(f.editor.document());
    const QString title = f.editor.title();

    const QString second = WriteContainer(temp.file(QStringLiteral("Second_LAYOUT.ZORVAN")),
                                          {QStringLiteral("DejaVu Serif")}, Qt::green);
    struct Case {
        const char *name;
        MessageAnswer answer;
        bool dialogDone;
    };
    for (const Case &c : {Case{"message cancelled", MessageAnswer::Cancel, true},
                          Case{"dialog closed", MessageAnswer::Ok, false}}) {
        SCOPED_TRACE(c.name);
        f.dialogs.texts.clear();
        f.dialogs.answers.push_back(c.answer);
        if (c.answer == MessageAnswer::Ok)
            view.queue(Visit{{}, c.dialogDone});
        open(second);
        EXPECT_EQ(f.dialogs.texts.size(), 1); // the font message, nothing else
        EXPECT_TRUE(f.editor.document() == *doc);
        EXPECT_EQ(f.editor.title(), title);
        EXPECT_EQ(FileBytes(work + QStringLiteral("/Background.jpg")), background);
        EXPECT_EQ(QDir(work).entryList(QDir::Files), files);
        EXPECT_EQ(f.window.waits, 0);
    }
}

} // namespace
} // namespace zorvan
