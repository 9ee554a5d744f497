#include "benchmark.h"

#include "document/container.h"
#include "document/layouttext.h"
#include "document/menudata.h"
#include "document/userprompts.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <unzip.h>
#include <zip.h>

#include <cstdio>
#include <cstdlib>
#include <vector>
#include <algorithm>

using namespace zorvan;

namespace {

constexpr int kPictures = 40;

// A work folder with a full HD background and 40 photo-sized pictures, and
// the layout that uses them.
struct Fixture {
    QTemporaryDir dir;
    QString work;
    MenuData doc;
    QStringList files;

    Fixture()
    {
        work = dir.filePath(QStringLiteral("work"));
        QDir().mkpath(work);
        auto picture = [](int w, int h, int seed) {
            QImage image(w, h, QImage::Format_RGB32);
            QPainter painter(&image);
            for (int y = 0; y < h; y += 8)
                for (int x = 0; x < w; x += 8)
                    painter.fillRect(x, y, 8, 8, QColor::fromHsv((x + y * 3 + seed * 37) % 360, 150 + (x * y) % 100, 200));
            return image;
        };
        const QString background = work + QStringLiteral("/Background.jpg");
        picture(1920, 1080, 0).save(background, "JPEG", 84);
        files.append(background);
        doc.NumberOfColumns = 4;
        doc.NumberOfRows = 10;
        for (int i = 0; i < kPictures; ++i) {
            const QString path = work + QStringLiteral("/Item%1.jpg").arg(i);
            picture(1200, 900, i + 1).save(path, "JPEG", 80);
            files.append(path);
            doc.strip(i / 10, i % 10).SubImageFileName = path;
            doc.strip(i / 10, i % 10).MainItemTextParams.Text = QStringLiteral("Item %1").arg(i);
        }
    }
};

Fixture &TheFixture()
{
    static Fixture fixture;
    return fixture;
}

void Check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "%s failed\n", what);
        std::abort();
    }
}

// The same files zipped and unzipped with minizip calls alone: the floor
// our pack and unpack are compared with.
void ZipAlone(const QString &archive, const QStringList &files)
{
    zipFile zip = zipOpen64(QFile::encodeName(archive).constData(), APPEND_STATUS_CREATE);
    Check(zip != nullptr, "zipOpen64");
    for (const QString &path : files) {
        QFile file(path);
        Check(file.open(QIODevice::ReadOnly), "read");
        const QByteArray data = file.readAll();
        zip_fileinfo info {};
        Check(zipOpenNewFileInZip64(zip, QFileInfo(path).fileName().toUtf8().constData(), &info, nullptr, 0, nullptr, 0,
                                    nullptr, Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0)
                  == ZIP_OK,
              "zipOpenNewFileInZip64");
        zipWriteInFileInZip(zip, data.constData(), unsigned(data.size()));
        zipCloseFileInZip(zip);
    }
    Check(zipClose(zip, nullptr) == ZIP_OK, "zipClose");
}

void UnzipAlone(const QString &archive, const QString &folder)
{
    QDir().mkpath(folder);
    unzFile zip = unzOpen64(QFile::encodeName(archive).constData());
    Check(zip != nullptr, "unzOpen64");
    QByteArray buffer(256 * 1024, Qt::Uninitialized);
    char name[1024];
    for (int status = unzGoToFirstFile(zip); status == UNZ_OK; status = unzGoToNextFile(zip)) {
        unz_file_info64 info {};
        unzGetCurrentFileInfo64(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0);
        QFile out(folder + QLatin1Char('/') + QString::fromUtf8(name));
        Check(out.open(QIODevice::WriteOnly) && unzOpenCurrentFile(zip) == UNZ_OK, "extract");
        int got = 0;
        while ((got = unzReadCurrentFile(zip, buffer.data(), unsigned(buffer.size()))) > 0)
            out.write(buffer.constData(), got);
        unzCloseCurrentFile(zip);
    }
    unzClose(zip);
}

double ZipAloneMs()
{
    Fixture &f = TheFixture();
    const QString archive = f.dir.filePath(QStringLiteral("alone.zip"));
    return bench::MedianMilliseconds(3, [&] { ZipAlone(archive, f.files); });
}

QString Packed()
{
    Fixture &f = TheFixture();
    const QString target = f.dir.filePath(QStringLiteral("Bench_LAYOUT.ZORVAN"));
    ContainerSources sources;
    sources.workFolder = f.work;
    QueuedPrompts prompts;
    Check(PackContainer(target, f.doc, sources, prompts).ok, "PackContainer");
    return target;
}

const bench::Registration packRegistration{"container-pack-40-pictures", [] {
    Fixture &f = TheFixture();
    ContainerSources sources;
    sources.workFolder = f.work;
    QueuedPrompts prompts;
    const QString target = f.dir.filePath(QStringLiteral("Bench_LAYOUT.ZORVAN"));
    double floor = 0;
    double ms = 0;
    for (int round = 0; round < 3; ++round) {
        floor += ZipAloneMs();
        ms += bench::MedianMilliseconds(3, [&] { Check(PackContainer(target, f.doc, sources, prompts).ok, "PackContainer"); });
    }
    floor /= 3;
    ms /= 3;
    std::printf("container-pack-40-pictures: minizip alone %.1f ms\n", floor);
    return bench::Measurement{ms, "ms", 1.5 * floor};
}};

const bench::Registration unpackRegistration{"container-unpack-40-pictures", [] {
    Fixture &f = TheFixture();
    const QString container = Packed();
    const QString aloneFolder = f.dir.filePath(QStringLiteral("alone"));
    const QString target = f.dir.filePath(QStringLiteral("unpacked"));
    // Interleaved, so that the load of a shared machine falls on both alike.
    double floor = 0;
    double ms = 0;
    for (int round = 0; round < 3; ++round) {
        floor += bench::MedianMilliseconds(3, [&] { UnzipAlone(container, aloneFolder); });
        ms += bench::MedianMilliseconds(3, [&] { Check(UnpackContainer(container, target).ok, "UnpackContainer"); });
    }
    floor /= 3;
    ms /= 3;
    std::printf("container-unpack-40-pictures: minizip alone %.1f ms\n", floor);
    return bench::Measurement{ms, "ms", 1.5 * floor};
}};


// Open and Save of the whole layout: unpacking with its checks and reading
// the layout text, then writing the container with the layout text beside
// its target and moving it into place; against unzipping and zipping the
// same files with minizip alone.
const bench::Registration openSaveRegistration{"container-open-save-40-pictures", [] {
    Fixture &f = TheFixture();
    ContainerSources sources;
    sources.workFolder = f.work;
    QueuedPrompts prompts;
    const QString target = f.dir.filePath(QStringLiteral("OpenSave_LAYOUT.ZORVAN"));
    const QString unpacked = f.dir.filePath(QStringLiteral("opened"));
    const QString archive = f.dir.filePath(QStringLiteral("alone-open-save.zip"));
    const QString aloneFolder = f.dir.filePath(QStringLiteral("alone-opened"));
    Check(PackContainer(target, f.doc, sources, prompts).ok, "PackContainer");
    const auto openAndSave = [&] {
        Check(UnpackContainer(target, unpacked).ok, "UnpackContainer");
        QString text;
        QString error;
        MenuData read;
        Check(ReadLayoutTextFile(unpacked + QStringLiteral("/Layout.XZORVAN"), &text, &error), "ReadLayoutTextFile");
        Check(ReadLayoutText(text, read).ok, "ReadLayoutText");
        PreparedContainer prepared = PrepareContainer(target, f.doc, sources);
        Check(prepared.ok(), "PrepareContainer");
        Check(CommitContainer(prepared, prompts).ok, "CommitContainer");
    };
    const auto alone = [&] {
        UnzipAlone(target, aloneFolder);
        ZipAlone(archive, f.files);
    };
    std::vector<double> ms, floor, cpu, floorCpu;
    for (int round = 0; round < 3; ++round) {
        const bench::Timing a = bench::MedianTiming(3, alone);
        const bench::Timing o = bench::MedianTiming(3, openAndSave);
        floor.push_back(a.wallMs);
        floorCpu.push_back(a.cpuMs);
        ms.push_back(o.wallMs);
        cpu.push_back(o.cpuMs);
    }
    const auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    return bench::Measurement{median(ms), "ms", 0.0, median(floor), 1.5,
                              bench::Format("cpu %.1f ms, %.2f x floor cpu %.1f ms; floor: unzipping and zipping the "
                                            "same files with minizip alone",
                                            median(cpu), median(cpu) / median(floorCpu), median(floorCpu))};
}, "preview", 5};

} // namespace
