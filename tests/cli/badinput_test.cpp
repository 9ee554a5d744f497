// Files from USB sticks, mail and phones: every kind of bad input gets a clear
// message and changes nothing; none may crash, hang or take all memory.

#include "assets/backgroundload.h"
#include "assets/imageassets.h"
#include "assets/imagecheck.h"
#include "assets/pictureimport.h"
#include "cli/clicommands.h"
#include "document/container.h"
#include "document/layouttext.h"
#include "document/menudata.h"
#include "document/userprompts.h"
#include "render/imaging.h"

#include "layoutfixtures.h"
#include "tempdir.h"
#include "zipfixture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QtEndian>

#include <gtest/gtest.h>

#include <functional>
#include <zlib.h>

namespace zorvan {
namespace {

const QString kProgram = QStringLiteral(ZORVAN_BINARY_DIR "/src/cli/zorvan");

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Jpeg(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(200, 80, 20));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    EXPECT_TRUE(writer.write(image));
    return bytes;
}

// The JPEG's frame header (SOF0) changed by edit(bytes, offset of the marker).
QByteArray PatchedFrame(const std::function<void(QByteArray &, qsizetype)> &edit)
{
    QByteArray jpeg = Jpeg(64, 48);
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    EXPECT_GT(sof, 0);
    edit(jpeg, sof);
    return jpeg;
}

QByteArray HugeJpeg()
{
    // Height and width are 16-bit big-endian at marker + 5 and + 7.
    return PatchedFrame([](QByteArray &jpeg, qsizetype sof) {
        qToBigEndian<quint16>(30000, jpeg.data() + sof + 5);
        qToBigEndian<quint16>(30000, jpeg.data() + sof + 7);
    });
}

QByteArray CorruptJpeg()
{
    // A sample precision libjpeg does not decode.
    return PatchedFrame([](QByteArray &jpeg, qsizetype sof) { jpeg[sof + 4] = 3; });
}

QByteArray PngChunk(const char *type, const QByteArray &data)
{
    QByteArray chunk(4, Qt::Uninitialized);
    qToBigEndian<quint32>(quint32(data.size()), chunk.data());
    const QByteArray body = QByteArray(type, 4) + data;
    chunk += body;
    QByteArray crc(4, Qt::Uninitialized);
    qToBigEndian<quint32>(quint32(crc32(0, reinterpret_cast<const Bytef *>(body.constData()), uInt(body.size()))), crc.data());
    return chunk + crc;
}

// 12000 x 12000 grey pixels that all are 0: a file of a few hundred
// kilobytes that decodes into hundreds of megabytes.
QByteArray PngBomb()
{
    const int side = 12000;
    QByteArray ihdr(13, 0);
    qToBigEndian<quint32>(side, ihdr.data());
    qToBigEndian<quint32>(side, ihdr.data() + 4);
    ihdr[8] = 8; // bit depth; colour type 0 (grey)
    z_stream stream {};
    deflateInit(&stream, 9);
    const QByteArray row(side + 1, 0); // filter byte 0, then the pixels
    QByteArray compressed;
    QByteArray out(1 << 16, Qt::Uninitialized);
    for (int y = 0; y < side; ++y) {
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(row.constData()));
        stream.avail_in = uInt(row.size());
        const int flush = y + 1 == side ? Z_FINISH : Z_NO_FLUSH;
        do {
            stream.next_out = reinterpret_cast<Bytef *>(out.data());
            stream.avail_out = uInt(out.size());
            deflate(&stream, flush);
            compressed.append(out.constData(), out.size() - qsizetype(stream.avail_out));
        } while (stream.avail_out == 0 || (flush == Z_FINISH && stream.avail_in > 0));
    }
    deflateEnd(&stream);
    return QByteArray("\x89PNG\r\n\x1A\n", 8) + PngChunk("IHDR", ihdr) + PngChunk("IDAT", compressed) + PngChunk("IEND", {});
}

struct Outcome {
    int status = -1; // -1: crashed or hung
    QByteArray out;
    QByteArray err;
    // Lines of the tool's own; libpng writes its errors to standard error
    // itself, past Qt's message handling, so those are not counted.
    qsizetype ownLines() const
    {
        qsizetype n = 0;
        for (const QByteArray &line : err.split('\n'))
            n += !line.isEmpty() && !line.startsWith("libpng error: ");
        return n;
    }
};

Outcome RunZorvan(const QStringList &arguments, const QString &appData)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("ZORVAN_APPDATA_DIR"), appData);
    process.setProcessEnvironment(environment);
    process.start(kProgram, arguments);
    Outcome o;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        o.err = "hung";
        return o;
    }
    o.out = process.readAllStandardOutput();
    o.err = process.readAllStandardError();
    if (process.exitStatus() == QProcess::NormalExit)
        o.status = process.exitCode();
    return o;
}

// What a picture file may be instead of a picture.
struct BadPicture {
    const char *name;
    const char *fileName;
    std::function<QByteArray()> bytes; // null: the path is a folder, or nothing (vanished)
    bool folder;
    const char *reason;
};

const QList<BadPicture> &BadPictures()
{
    static const QList<BadPicture> cases = {
        {"text named as a JPEG", "Background.jpg", [] { return QByteArray("Just some text, not a picture.\n"); }, false, "is not a picture"},
        {"empty file", "Photo.jpg", [] { return QByteArray(); }, false, "is not a picture"},
        {"corrupt JPEG", "Photo.jpg", CorruptJpeg, false, "is not a picture"},
        {"truncated PNG", "Logo.png", [] { return QByteArray("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\0\0", 18); }, false, "is not a picture"},
        {"30000 x 30000 JPEG", "Huge.jpg", HugeJpeg, false, "is too large: 30000 x 30000 pixels"},
        {"PNG bomb", "Bomb.png", PngBomb, false, "is too large: 12000 x 12000 pixels"},
        {"folder named like a picture", "Folder.jpg", nullptr, true, "is a folder"},
        {"file that vanished", "Gone.jpg", nullptr, false, "does not exist"},
    };
    return cases;
}

class BadPictureTest : public ::testing::TestWithParam<BadPicture> {
protected:
    void SetUp() override
    {
        const BadPicture &c = GetParam();
        source = sources.file(QLatin1String(c.fileName));
        if (c.folder) {
            ASSERT_TRUE(QDir().mkpath(source));
        } else if (c.bytes) {
            ASSERT_TRUE(test::WriteFile(source, c.bytes()));
        }
        // What the work folder held before.
        ASSERT_TRUE(test::WriteFile(work.file(QStringLiteral("Background.jpg")), Jpeg(80, 60)));
        before = ReadAll(work.file(QStringLiteral("Background.jpg")));
    }

    void ExpectWorkFolderUnchanged()
    {
        EXPECT_EQ(QDir(work.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{QStringLiteral("Background.jpg")});
        EXPECT_EQ(ReadAll(work.file(QStringLiteral("Background.jpg"))), before);
    }

    test::TempDir sources;
    test::TempDir work;
    QString source;
    QByteArray before;
    QueuedPrompts prompts;
};

TEST_P(BadPictureTest, PictureImportRefusesItAndChangesNothing)
{
    const ImageAssets assets{work.path(), prompts};
    StripData strip;
    strip.SubImageFileName = QStringLiteral("/work/Before.jpg");
    const StripData original = strip;
    const ImportedPicture imported = ImportPicture(source, strip, assets);
    EXPECT_FALSE(imported.attached);
    EXPECT_TRUE(imported.error.startsWith(source + QLatin1Char(' '))) << imported.error.toStdString();
    EXPECT_TRUE(imported.error.contains(QLatin1String(GetParam().reason))) << imported.error.toStdString();
    EXPECT_EQ(strip, original);
    EXPECT_TRUE(prompts.shown().isEmpty()) << prompts.shown().join(QLatin1Char('|')).toStdString();
    ExpectWorkFolderUnchanged();
}

TEST_P(BadPictureTest, BackgroundLoadRefusesItAndChangesNothing)
{
    const ImageAssets assets{work.path(), prompts};
    MenuData doc;
    doc.BackgroundPath = work.file(QStringLiteral("Background.jpg"));
    const BackgroundLoad load = LoadBackgroundFiles(source, doc, assets, true);
    EXPECT_TRUE(load.error.contains(QLatin1String(GetParam().reason))) << load.error.toStdString();
    EXPECT_FALSE(load.copied);
    EXPECT_EQ(doc.BackgroundPath, work.file(QStringLiteral("Background.jpg")));
    ExpectWorkFolderUnchanged();
}

// The same files arriving inside a container as its background: the editor's
// tool refuses the layout with one line and writes nothing.
TEST_P(BadPictureTest, ContainerWithItAsBackgroundIsRefusedByRender)
{
    const BadPicture &c = GetParam();
    if (!c.bytes)
        GTEST_SKIP() << "a folder or a missing file cannot be a member";
    const QString container = sources.file(QStringLiteral("Menu_LAYOUT.ZORVAN"));
    MenuData doc;
    doc.strip(0, 0).MainItemTextParams.Text = QStringLiteral("Fries");
    const QByteArray text = EncodeLayoutBytes(ScrambleLayoutText(WriteLayoutText(doc, QStringLiteral("Background.jpg"))));
    ASSERT_TRUE(test::WriteZip(container, {{"Background.jpg", c.bytes()}, {"Layout.XZORVAN", text}}));
    const QString tv = sources.file(QStringLiteral("Menu_TV.jpg"));
    const Outcome o = RunZorvan({QStringLiteral("render"), container, QStringLiteral("-o"), tv}, work.file(QStringLiteral("appdata")));
    EXPECT_EQ(o.status, 2) << o.err.toStdString();
    EXPECT_EQ(o.ownLines(), 1) << o.err.toStdString();
    EXPECT_TRUE(o.err.contains(QFile::encodeName(container)) || o.err.contains("Background.jpg")) << o.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(tv));
}

INSTANTIATE_TEST_SUITE_P(Table, BadPictureTest, ::testing::ValuesIn(BadPictures()),
                         [](const ::testing::TestParamInfo<BadPicture> &param) {
                             QString name = QString::fromLatin1(param.param.name);
                             name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QStringLiteral("_"));
                             return name.toStdString();
                         });

// A 1-pixel picture is a picture: it comes in, with the low resolution warning.
TEST(BadPictureEdge, OnePixelPictureComesInWithTheWarning)
{
    test::TempDir sources, work;
    const QString source = sources.file(QStringLiteral("Dot.jpg"));
    ASSERT_TRUE(test::WriteFile(source, Jpeg(1, 1)));
    QueuedPrompts prompts;
    StripData strip;
    const ImportedPicture imported = ImportPicture(source, strip, ImageAssets{work.path(), prompts});
    EXPECT_TRUE(imported.attached) << imported.error.toStdString();
    EXPECT_EQ(prompts.shown(), QStringList{QStringLiteral("This 1 x 1 pixel image is low resolution and may result in the picture not being crisp.")});
}

// Limits against bombs must not turn away what phones take: Qt's own default
// refuses anything above 128 MB decoded, which a 48-megapixel photo exceeds.
TEST(BadPictureEdge, A48MegapixelCameraPictureIsStillAPicture)
{
    test::TempDir dir;
    const QString path = dir.file(QStringLiteral("Camera.jpg"));
    {
        QImage photo(8000, 6000, QImage::Format_RGB32);
        photo.fill(qRgb(30, 140, 60));
        ASSERT_TRUE(photo.save(path, "JPEG", 80));
    }
    QString error;
    EXPECT_TRUE(CheckImageFile(path, &error)) << error.toStdString();
    EXPECT_EQ(LoadImageFile(path).image.size(), QSize(8000, 6000));
}

// Containers that are not whole.
struct BadContainer {
    const char *name;
    std::function<QByteArray(const QByteArray &good)> bytes;
    const char *reason;
};

class BadContainerTest : public ::testing::TestWithParam<BadContainer> {};

TEST_P(BadContainerTest, UnpackRefusesItAndLeavesTheWorkFolderAsItWas)
{
    test::TempDir dir;
    const QString good = dir.file(QStringLiteral("Good.ZORVAN"));
    ASSERT_TRUE(test::WriteZip(good, {{"Background.jpg", Jpeg(64, 48)},
                                      {"Layout.XZORVAN", EncodeLayoutBytes(ScrambleLayoutText(WriteLayoutText(MenuData(), QStringLiteral("Background.jpg"))))},
                                      {"Burger.jpg", QByteArray(20000, 'b')}}));
    const QString container = dir.file(QStringLiteral("Bad_LAYOUT.ZORVAN"));
    ASSERT_TRUE(test::WriteFile(container, GetParam().bytes(ReadAll(good))));
    const QString work = dir.file(QStringLiteral("QRT1"));
    ASSERT_TRUE(QDir().mkpath(work));
    ASSERT_TRUE(test::WriteFile(work + QStringLiteral("/Background.jpg"), "previous"));

    const UnpackResult result = UnpackContainer(container, work);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(container)) << result.error.toStdString();
    EXPECT_TRUE(result.error.contains(QLatin1String(GetParam().reason))) << result.error.toStdString();
    EXPECT_EQ(QDir(work).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{QStringLiteral("Background.jpg")});
    EXPECT_EQ(ReadAll(work + QStringLiteral("/Background.jpg")), "previous");

    const Outcome o = RunZorvan({QStringLiteral("unpack"), container, work}, dir.file(QStringLiteral("appdata")));
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.ownLines(), 1) << o.err.toStdString();
    EXPECT_EQ(ReadAll(work + QStringLiteral("/Background.jpg")), "previous");
}

INSTANTIATE_TEST_SUITE_P(
    Table, BadContainerTest,
    ::testing::Values(
        BadContainer{"Truncated", [](const QByteArray &good) { return good.left(good.size() / 2); }, "not a layout container"},
        BadContainer{"TruncatedAtTheEnd", [](const QByteArray &good) { return good.left(good.size() - 10); }, "damaged"},
        BadContainer{"CorruptData",
                     [](const QByteArray &good) {
                         QByteArray bad = good;
                         // Inside the big member's data: its CRC no longer matches.
                         const qsizetype at = bad.indexOf("Burger.jpg") + 40;
                         for (qsizetype i = at; i < at + 16; ++i)
                             bad[i] = char(bad[i] ^ 0x5A);
                         return bad;
                     },
                     "damaged"},
        BadContainer{"NotAZip", [](const QByteArray &) { return QByteArray("<MenuData>not an archive</MenuData>"); }, "not a layout container"},
        BadContainer{"Empty", [](const QByteArray &) { return QByteArray(); }, "not a layout container"}),
    [](const ::testing::TestParamInfo<BadContainer> &param) { return std::string(param.param.name); });

// Layout texts no writer of ours makes. Reading never fails for them (the
// reader takes what it finds) unless the grid is not a layout; drawing them
// must finish with a picture or one clear line.
struct BadLayoutText {
    const char *name;
    std::function<QByteArray()> bytes;
};

QByteArray Plain(const QString &text)
{
    return EncodeLayoutBytes(text);
}

QString StripWith(const QString &content)
{
    return test::LayoutTextWithStrip(content, 2, 3);
}

QString Block(const QString &inside)
{
    return QStringLiteral("<MainItemTextParams><Text>Fries</Text><Font>DejaVu Sans</Font>%1</MainItemTextParams>").arg(inside);
}

class BadLayoutTextTest : public ::testing::TestWithParam<BadLayoutText> {};

TEST_P(BadLayoutTextTest, ReadsOrIsRefusedAndDrawsWithoutCrashingOrHanging)
{
    const QByteArray bytes = GetParam().bytes();
    MenuData doc;
    const LayoutReadResult read = ReadLayoutText(DecodeStoredLayout(bytes), doc);
    if (!read.ok) {
        EXPECT_FALSE(read.error.isEmpty());
        EXPECT_EQ(doc, MenuData()) << "a refused text changed the document";
    }

    test::TempDir dir;
    const QString container = dir.file(QStringLiteral("Odd_LAYOUT.ZORVAN"));
    ASSERT_TRUE(test::WriteZip(container, {{"Background.jpg", Jpeg(640, 360)}, {"Layout.XZORVAN", bytes}}));
    const QString tv = dir.file(QStringLiteral("Odd_TV.jpg"));
    const Outcome o = RunZorvan({QStringLiteral("render"), container, QStringLiteral("-o"), tv}, dir.file(QStringLiteral("appdata")));
    ASSERT_NE(o.status, -1) << "crashed or hung: " << o.err.toStdString();
    if (read.ok) {
        EXPECT_EQ(o.status, 0) << o.err.toStdString();
        EXPECT_EQ(QImage(tv).size(), QSize(640, 360));
    } else {
        EXPECT_EQ(o.status, 2);
        EXPECT_EQ(o.ownLines(), 1) << o.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(tv));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, BadLayoutTextTest,
    ::testing::Values(
        BadLayoutText{"OddByteCount", [] { return Plain(StripWith(Block({}))) + QByteArray(1, 'x'); }},
        BadLayoutText{"OddBytesInside",
                      [] {
                          QByteArray b = Plain(StripWith(Block({})));
                          b.insert(b.size() / 2, '\xFF');
                          return b;
                      }},
        BadLayoutText{"LoneSurrogatesAndNul", [] { return Plain(StripWith(Block({})).replace(QStringLiteral("Fries"), QString(QChar(0xD800)) + QChar(0) + QChar(0xDFFF))); }},
        BadLayoutText{"NoClosingTags", [] { return Plain(QStringLiteral("<MenuData><NumberOfColumns>2<NumberOfRows>3<Strip0-0><MainItemTextParams><Text>Fries<Font>Arial")); }},
        BadLayoutText{"UnclosedStrip", [] { return Plain(StripWith(Block({})).remove(QStringLiteral("</Strip0-0>"))); }},
        BadLayoutText{"HugeGrid", [] { return Plain(test::LayoutTextWithStrip({}, 99999999, 2147483647)); }},
        BadLayoutText{"NegativeGrid", [] { return Plain(test::LayoutTextWithStrip({}, -3, -1)); }},
        BadLayoutText{"HugeValues",
                      [] {
                          return Plain(StripWith(QStringLiteral("<XSizeFactor>1e308</XSizeFactor><YSizeFactor>99999999999</YSizeFactor>"
                                                                "<SubImageFrameIndex>2147483647</SubImageFrameIndex>"
                                                                "<SubImageCropPercentageX>99999999999</SubImageCropPercentageX>"
                                                                "<SubImageBrightnessFactor>-2147483648</SubImageBrightnessFactor>"
                                                                "<PriceTabSpacingFactor>1e300</PriceTabSpacingFactor>") +
                                                 Block(QStringLiteral("<ScaleFactor>1e300</ScaleFactor><Xref>1e308</Xref><Yref>-1e308</Yref>"
                                                                      "<LineSpacingFactor>1e9</LineSpacingFactor>"))));
                      }},
        BadLayoutText{"BigButFiniteScale",
                      [] { return Plain(StripWith(QStringLiteral("<XSizeFactor>1</XSizeFactor><YSizeFactor>1</YSizeFactor>") + Block(QStringLiteral("<ScaleFactor>5000</ScaleFactor>")))); }},
        BadLayoutText{"NegativeSizesAndOffsets",
                      [] {
                          return Plain(StripWith(QStringLiteral("<XOffsetFactor>-7.5</XOffsetFactor><YOffsetFactor>-1000000</YOffsetFactor>"
                                                                "<XSizeFactor>-5</XSizeFactor><YSizeFactor>-0.5</YSizeFactor>"
                                                                "<SubImageCropPercentageX>-50</SubImageCropPercentageX>"
                                                                "<SubImageCropOriginPercentageY>-400</SubImageCropOriginPercentageY>"
                                                                "<CaloriesSpacingFactor>-3</CaloriesSpacingFactor>") +
                                                 Block(QStringLiteral("<ScaleFactor>-3</ScaleFactor><LineSpacingFactor>-2</LineSpacingFactor>"))));
                      }},
        BadLayoutText{"NotANumber",
                      [] { return Plain(StripWith(QStringLiteral("<XSizeFactor>nan</XSizeFactor><YSizeFactor>inf</YSizeFactor>") + Block(QStringLiteral("<ScaleFactor>-inf</ScaleFactor><Xref>NaN</Xref>")))); }},
        BadLayoutText{"MegabyteText",
                      [] { return Plain(StripWith(QStringLiteral("<XSizeFactor>1</XSizeFactor><YSizeFactor>1</YSizeFactor>") + Block({}).replace(QStringLiteral("Fries"), QString(1 << 20, QLatin1Char('W'))))); }},
        BadLayoutText{"MegabyteOfLines",
                      [] {
                          return Plain(StripWith(QStringLiteral("<XSizeFactor>1</XSizeFactor><YSizeFactor>1</YSizeFactor>") +
                                                 QStringLiteral("<PricesTextParams><Text>%1</Text></PricesTextParams>").arg(QStringLiteral("1^2<3>\r\n").repeated(1 << 17))));
                      }},
        BadLayoutText{"PicturePathIsAFolderOrMissing",
                      [] { return Plain(StripWith(QStringLiteral("<SubImageFileName>C:\\x\\.</SubImageFileName><SubImageFrameIndex>3</SubImageFrameIndex><XSizeFactor>1</XSizeFactor><YSizeFactor>1</YSizeFactor>"))); }},
        BadLayoutText{"BinaryGarbage", [] {
                          QByteArray b(4096, Qt::Uninitialized);
                          for (int i = 0; i < b.size(); ++i)
                              b[i] = char((i * 2654435761u) >> 24);
                          return b;
                      }}),
    [](const ::testing::TestParamInfo<BadLayoutText> &param) { return std::string(param.param.name); });

} // namespace
} // namespace zorvan
