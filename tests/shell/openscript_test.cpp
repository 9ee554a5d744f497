// Opening layouts in scripted sessions of the real zorvan-editor program.
#include "document/layouttext.h"
#include "document/menudata.h"

#include "tempdir.h"
#include "zipfixture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

#include <memory>

namespace zorvan {
namespace {

QByteArray Jpeg(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return bytes;
}

QByteArray StoredLayout(const QString &mainText, const QString &background)
{
    auto doc = std::make_unique<MenuData>();
    doc->NumberOfColumns = 2;
    doc->NumberOfRows = 3;
    doc->strip(1, 2).BackGroundColor = MakeColour(0, 90, 0);
    doc->strip(1, 2).MainItemTextParams.Text = mainText;
    doc->strip(1, 2).MainItemTextParams.Font = QStringLiteral("DejaVu Sans");
    return EncodeLayoutBytes(ScrambleLayoutText(WriteLayoutText(*doc, background)));
}

bool Write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

class OpenScriptTest : public ::testing::Test {
protected:
    test::TempDir temp;

    QString path(const QString &name) const { return temp.file(name); }

    int run(const QString &script, QString *errors = nullptr)
    {
        const QString file = path(QStringLiteral("session.txt"));
        EXPECT_TRUE(Write(file, script.toUtf8()));
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZORVAN_APPDATA_DIR"), path(QStringLiteral("appdata")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(ZORVAN_BINARY_DIR "/src/shell/zorvan-editor"), {QStringLiteral("--script"), file});
        EXPECT_TRUE(process.waitForFinished(60000));
        if (errors)
            *errors = QString::fromUtf8(process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    QJsonObject json(const QString &name) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(name);
        return QJsonDocument::fromJson(file.readAll()).object();
    }
};

TEST_F(OpenScriptTest, OpenATvImageThenAMissingOneThatChangesNothing)
{
    ASSERT_TRUE(test::WriteZip(path(QStringLiteral("Lunch_LAYOUT.ZORVAN")),
                               {{"Layout.XZORVAN", StoredLayout(QStringLiteral("Soup"), QStringLiteral("Background.jpg"))},
                                {"Background.jpg", Jpeg(320, 480)}}));
    QString errors;
    const int status = run(QStringLiteral("open %1\ndump %2\nanswer ok\nopen %3\nexpect-message "
                                          "Unable to open file\\r\\n\\r\\n%4\\r\\n\\r\\nPress OK to continue.\ndump %5\n")
                               .arg(path(QStringLiteral("Lunch_TV.jpg")), path(QStringLiteral("opened.json")),
                                    path(QStringLiteral("Gone_TV.jpg")), path(QStringLiteral("Gone_LAYOUT.ZORVAN")),
                                    path(QStringLiteral("after.json"))),
                           &errors);
    ASSERT_EQ(status, 0) << qPrintable(errors);
    const QJsonObject opened = json(QStringLiteral("opened.json"));
    EXPECT_TRUE(opened[QStringLiteral("Title")].toString().contains(QStringLiteral("ZorvanFile : Lunch_LAYOUT.ZORVAN")));
    EXPECT_EQ(opened[QStringLiteral("Status")].toString(), QStringLiteral("EDIT MODE:  IDLE"));
    EXPECT_EQ(opened[QStringLiteral("Files")][QStringLiteral("LayoutFileName")].toString(),
              QStringLiteral("Lunch_LAYOUT.ZORVAN"));
    EXPECT_TRUE(opened[QStringLiteral("Files")][QStringLiteral("FromContainer")].toBool());
    EXPECT_TRUE(opened[QStringLiteral("WorkFolderFiles")].toArray().contains(QStringLiteral("Layout.XZORVAN")));
    EXPECT_FALSE(opened[QStringLiteral("Rects")].toArray().isEmpty());

    const QJsonObject after = json(QStringLiteral("after.json"));
    for (const char *member : {"Document", "Title", "Files", "WorkFolderFiles"})
        EXPECT_EQ(after[QLatin1String(member)], opened[QLatin1String(member)]) << member;
}

TEST_F(OpenScriptTest, ALegacyLayoutIsOfferedItsConversionAfterItIsShown)
{
    for (const char *answer : {"no", "yes"}) {
        SCOPED_TRACE(answer);
        const QString folder = path(QString::fromLatin1(answer));
        const QString legacy = folder + QStringLiteral("/ZorvanLayout_Lunch.XZORVAN");
        ASSERT_TRUE(Write(legacy, StoredLayout(QStringLiteral("Soup"), QStringLiteral("Lunch-ZORVANBGD.jpg"))));
        ASSERT_TRUE(Write(folder + QStringLiteral("/Lunch_SupportFiles/Lunch-ZORVANBGD.jpg"), Jpeg(320, 480)));
        QString errors;
        const int status = run(QStringLiteral("answer %1\nopen %2\ndump %3\n")
                                   .arg(QString::fromLatin1(answer), legacy, path(QStringLiteral("legacy.json"))),
                               &errors);
        ASSERT_EQ(status, 0) << qPrintable(errors);
        const QJsonObject state = json(QStringLiteral("legacy.json"));
        const QJsonArray messages = state[QStringLiteral("Messages")].toArray();
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].toString().startsWith(QStringLiteral("We are transitioning")));
        EXPECT_FALSE(state[QStringLiteral("Files")][QStringLiteral("MigrationPending")].toBool());
        const bool converted = QLatin1String(answer) == QLatin1String("yes");
        EXPECT_EQ(QFileInfo::exists(folder + QStringLiteral("/Lunch_LAYOUT.ZORVAN")), converted);
        EXPECT_EQ(QFileInfo::exists(legacy), !converted);
        EXPECT_EQ(state[QStringLiteral("Files")][QStringLiteral("FromContainer")].toBool(), converted);
    }
}

} // namespace
} // namespace zorvan
