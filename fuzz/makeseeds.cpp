// Writes the fuzzers' seed corpora with the editor's own writers: layout
// texts (plain and scrambled), a container packed from a tiny work folder,
// and small pictures of each accepted kind. Usage: zorvan_make_seeds <fuzz/seeds>

#include "document/container.h"
#include "document/layouttext.h"
#include "document/menudata.h"
#include "document/userprompts.h"
#include "render/imaging.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>

using namespace zorvan;

namespace {

bool Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

MenuData SmallLayout(const QString &picturePath)
{
    MenuData doc;
    doc.NumberOfColumns = 2;
    doc.NumberOfRows = 2;
    doc.WhitePrintBackground = true;
    StripData &strip = doc.strip(0, 1);
    strip.BackGroundColor = MakeColour(200, 100, 50);
    strip.SubImageFileName = picturePath;
    strip.SubImageFrameIndex = 3;
    strip.SubImageCropPercentageX = 80;
    strip.SubImageCropPercentageY = 100;
    strip.SubImageBrightnessFactor = -15;
    strip.XOffsetFactor = 0.05;
    strip.XSizeFactor = 0.9;
    strip.YSizeFactor = 1.0;
    strip.MainItemTextParams.Text = QStringLiteral("Fish & Chips\r\nCr\u00e8me");
    strip.MainItemTextParams.Font = QStringLiteral("Arial");
    strip.MainItemTextParams.ScaleFactor = 1.2;
    strip.MainItemTextParams.DropShadowColor = kNoColour;
    strip.SubItemsTextParams.Text = QStringLiteral("with salad");
    strip.PricesTextParams.Text = QStringLiteral("4.99^ 350 Cal\r\n^ 6.49");
    strip.PricesTextParams.GroupAlignment = 2;
    return doc;
}

QImage Pattern(int width, int height, bool alpha)
{
    QImage image(width, height, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    image.fill(alpha ? Qt::transparent : Qt::white);
    QPainter painter(&image);
    painter.fillRect(0, 0, width / 2, height / 2, Qt::red);
    painter.fillRect(width / 2, height / 2, width - width / 2, height - height / 2, QColor(0, 0, 255, 128));
    return image;
}

QByteArray Encode(const QImage &image, const char *format, int quality = -1,
                  QImageIOHandler::Transformations transformation = QImageIOHandler::TransformationNone)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (quality >= 0)
        writer.setQuality(quality);
    writer.setTransformation(transformation);
    writer.write(image);
    return bytes;
}

// The smallest GIF there is: one white pixel. Qt reads GIF but cannot write it.
QByteArray TinyGif()
{
    static const unsigned char bytes[] = {
        'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0,
        2, 2, 0x44, 0x01, 0, 0x3B};
    return QByteArray(reinterpret_cast<const char *>(bytes), sizeof bytes);
}

// The picture fuzzer's first byte picks the file name: 0 .jpg, 1 .png, 2 .gif,
// 3 .JPEG; bit 2 also loads the file as the background.
QByteArray PictureSeed(unsigned char selector, const QByteArray &file)
{
    return QByteArray(1, char(selector)) + file;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: zorvan_make_seeds <seeds folder>\n");
        return 2;
    }
    const QDir seeds(QString::fromLocal8Bit(argv[1]));
    for (const char *sub : {"layouttext", "container", "picture"})
        seeds.mkpath(QString::fromLatin1(sub));

    const QString text = WriteLayoutText(SmallLayout(QStringLiteral("C:\\Menus\\Burger.png")), QStringLiteral("Background.jpg"));
    bool ok = Write(seeds.filePath(QStringLiteral("layouttext/plain.xzorvan")), EncodeLayoutBytes(text));
    ok &= Write(seeds.filePath(QStringLiteral("layouttext/scrambled.xzorvan")), EncodeLayoutBytes(ScrambleLayoutText(text)));
    const QString legacy = QStringLiteral(
        "<MenuData><MenuGeneralData><NumberOfColumns>1</NumberOfColumns><NumberOfRows>1</NumberOfRows></MenuGeneralData>"
        "<Strip0-0><DropShadowColor>1,2,3</DropShadowColor><SubImageCropPercentage>80</SubImageCropPercentage>"
        "<PricesTextParams><Text>3.99^^</Text></PricesTextParams><PriceTabSpacingFactor>3.0</PriceTabSpacingFactor>"
        "</Strip0-0></MenuData>");
    ok &= Write(seeds.filePath(QStringLiteral("layouttext/legacy.xzorvan")), EncodeLayoutBytes(legacy));

    const QByteArray jpeg = Encode(Pattern(24, 16, false), "jpeg", 50);
    const QByteArray turnedJpeg = Encode(Pattern(24, 16, false), "jpeg", 50, QImageIOHandler::TransformationRotate90);
    const QByteArray png = Encode(Pattern(12, 8, true), "png");
    ok &= Write(seeds.filePath(QStringLiteral("picture/jpeg")), PictureSeed(0, jpeg));
    ok &= Write(seeds.filePath(QStringLiteral("picture/jpeg-exif6-background")), PictureSeed(4, turnedJpeg));
    ok &= Write(seeds.filePath(QStringLiteral("picture/png")), PictureSeed(1, png));
    ok &= Write(seeds.filePath(QStringLiteral("picture/gif")), PictureSeed(2, TinyGif()));

    QTemporaryDir work;
    ok &= work.isValid();
    const QDir workDir(work.path());
    ok &= Write(workDir.filePath(QStringLiteral("Background.jpg")), jpeg);
    ok &= Write(workDir.filePath(QStringLiteral("Burger.png")), png);
    ok &= Write(workDir.filePath(QStringLiteral("DejaVuSans.ttf")), QByteArray("not really a font"));
    ContainerSources sources;
    sources.workFolder = work.path();
    sources.usedFontList = QStringLiteral("DejaVu Sans,DejaVuSans.ttf;");
    QueuedPrompts prompts;
    const PackResult packed = PackContainer(workDir.filePath(QStringLiteral("Seed_LAYOUT.ZORVAN")),
                                            SmallLayout(workDir.filePath(QStringLiteral("Burger.png"))), sources, prompts);
    ok &= packed.ok;
    QFile container(workDir.filePath(QStringLiteral("Seed_LAYOUT.ZORVAN")));
    ok &= container.open(QIODevice::ReadOnly);
    ok &= Write(seeds.filePath(QStringLiteral("container/small.zorvan")), container.readAll());

    if (!ok) {
        std::fprintf(stderr, "zorvan_make_seeds: cannot write the seeds into %s\n", argv[1]);
        return 2;
    }
    return 0;
}
