// Power cuts and killed processes while files are written: a file that was
// being replaced is afterwards either the previous one, intact, or the new
// one, complete; never a torn mixture. Each writer of containers and TV
// images (the command-line tools and the editor's own Save) is killed
// (SIGKILL) at random moments of its run, many times, and then run against a
// full disk.

#include "document/container.h"
#include "document/layoutpaths.h"
#include "document/layouttext.h"
#include "document/menudata.h"
#include "editing/savecommands.h"

#include "layoutfixtures.h"
#include "tempdir.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>
#include <sys/mount.h>
#include <unistd.h>

namespace zorvan {
namespace {

const QString kProgram = QStringLiteral(ZORVAN_BINARY_DIR "/src/cli/zorvan");
// Opens a container in the editor, edits it and saves it back with the Save command.
const QString kEditorSave = QStringLiteral(ZORVAN_BINARY_DIR "/tests/zorvan-test-editorsave");
// The editor itself, its window driven by a scripted session.
const QString kEditorWindow = QStringLiteral(ZORVAN_BINARY_DIR "/src/shell/zorvan-editor");

// A text as a script line spells it.
QString ScriptText(QString text)
{
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    text.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    text.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    return text;
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A background big enough that writing it takes a while: noise does not compress.
void WriteNoiseJpeg(const QString &path, int width, int height, quint32 seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<quint32 *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = 0xFF000000u | (random.generate() & 0xFFFFFFu);
    }
    ASSERT_TRUE(image.save(path, "JPEG", 95)) << path.toStdString();
}

// One way the editor's tools replace files, run as a separate process so it
// can be killed.
struct Writer {
    const char *name;
    QString program;
    QStringList arguments;
    // Starts from the container of the next version instead of the previous
    // one (rendering the previous container again would change nothing).
    bool fromNextContainer = false;
    // Prints "saving" once it has opened the layout and begins to save: its
    // kills are timed from then on, so that they land while files are written.
    bool announcesSave = false;
};

// The layout text inside a container, or empty when the container is not
// whole (damaged, a member missing, not a ZIP at all).
QString ContainerLayoutText(const QString &container, const QString &scratch)
{
    QDir(scratch).removeRecursively();
    const UnpackResult unpacked = UnpackContainer(container, scratch);
    if (!unpacked.ok)
        return QString();
    for (const char *member : {"Background.jpg", "Layout.XZORVAN", "fries.jpg"}) {
        if (!QFileInfo::exists(scratch + QLatin1Char('/') + QLatin1String(member)))
            return QString();
    }
    QString text;
    QString error;
    if (!ReadLayoutTextFile(scratch + QStringLiteral("/Layout.XZORVAN"), &text, &error))
        return QString();
    // Picture paths name the work folder of the run that saved, and each run of the editor has its own.
    static const QRegularExpression workFolder(QStringLiteral("[^<>]*/Trelmont/QRT[0-9_]+/"));
    text.replace(workFolder, QStringLiteral("<work folder>/"));
    return text;
}

class CrashSafety : public ::testing::Test {
protected:
    // A legacy layout (migrate writes its container) whose container
    // (render writes its TV image) exists already: the "previous" files.
    void MakeLayout(const QString &folder)
    {
        this->folder = folder;
        support = folder + QStringLiteral("/Lunch_SupportFiles");
        ASSERT_TRUE(QDir().mkpath(support));
        legacy = folder + QStringLiteral("/ZorvanLayout_Lunch.XZORVAN");
        container = folder + QStringLiteral("/Lunch_LAYOUT.ZORVAN");
        tvImage = folder + QStringLiteral("/Lunch_TV.jpg");
        WriteNoiseJpeg(support + QStringLiteral("/Lunch-ZORVANBGD.jpg"), 1600, 1200, 1);
        WriteNoiseJpeg(support + QStringLiteral("/fries.jpg"), 300, 200, 2);
        WriteLegacy(QStringLiteral("Fries"));
        ASSERT_EQ(Run({QStringLiteral("migrate"), legacy}), 0);
        ASSERT_EQ(Run({QStringLiteral("render"), container, QStringLiteral("-o"), tvImage}), 0);
        previousContainer = ReadAll(container);
        previousTv = ReadAll(tvImage);
        startText = ContainerLayoutText(container, scratch());
        startTv = previousTv;
        ASSERT_FALSE(startText.isEmpty());

        // The next version: other texts and a different background.
        WriteLegacy(QStringLiteral("Curly fries"));
        WriteNoiseJpeg(support + QStringLiteral("/Lunch-ZORVANBGD.jpg"), 1600, 1200, 3);

        // The editor's window: the container opened, an item retyped and
        // saved under its own name, as a user does it; the session says
        // when the save begins and fails unless the save was confirmed.
        windowScript = dir.file(QStringLiteral("window-save.txt"));
        const QString saved = SavedMessage(QStringLiteral("Lunch_LAYOUT.ZORVAN"), QStringLiteral("Lunch_TV.jpg"),
                                           folder, false);
        ASSERT_TRUE(test::WriteFile(windowScript, QStringLiteral("open %1\n"
                                                                 "click-text 0 0 0\n"
                                                                 "set-text 1000 Window fries\n"
                                                                 "answer-file %1\n"
                                                                 "answer ok\n"
                                                                 "say saving\n"
                                                                 "button 1015\n"
                                                                 "expect-message %2\n"
                                                                 "button 32771\n")
                                                      .arg(container, ScriptText(saved))
                                                      .toUtf8()));
    }

    void WriteLegacy(const QString &text)
    {
        MenuData doc;
        doc.strip(0, 0).SubImageFileName = QStringLiteral("C:\\Menus\\Lunch_SupportFiles\\fries.jpg");
        doc.strip(0, 0).MainItemTextParams.Text = text;
        doc.strip(0, 0).MainItemTextParams.Font = QStringLiteral("DejaVu Sans");
        doc.strip(1, 4).MainItemTextParams.Text = QStringLiteral("Cola");
        QString error;
        ASSERT_TRUE(WriteLayoutTextFile(legacy, WriteLayoutText(doc, QStringLiteral("C:\\Menus\\Lunch-ZORVANBGD.jpg")), &error));
    }

    QString scratch() const { return dir.file(QStringLiteral("scratch")); }

    int Run(const QStringList &arguments, QByteArray *err = nullptr) { return Run(kProgram, arguments, err); }

    int Run(const QString &program, const QStringList &arguments, QByteArray *err = nullptr)
    {
        QProcess process;
        process.setProcessEnvironment(Environment());
        process.start(program, arguments);
        if (!process.waitForFinished(120000))
            return -1;
        if (err)
            *err = process.readAllStandardError();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    QProcessEnvironment Environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("ZORVAN_APPDATA_DIR"), dir.file(QStringLiteral("appdata")));
        return environment;
    }

    // Every tool that replaces a container or a TV image in place.
    QList<Writer> Writers() const
    {
        return {
            {"migrate", kProgram, {QStringLiteral("migrate"), legacy}},
            {"render", kProgram, {QStringLiteral("render"), container, QStringLiteral("-o"), tvImage}, true},
            // Its work folder stays off the small disk, as the application data folder would.
            {"the editor's Save", kEditorSave,
             {dir.file(QStringLiteral("editor-work")), container, QStringLiteral("Chili fries")}, false, true},
            {"the editor window's Save", kEditorWindow, {QStringLiteral("--script"), windowScript}, false, true},
        };
    }

    // The container of the next version, from one migrate run that is not
    // interrupted; then the previous container is put back.
    void LearnNextContainer()
    {
        ASSERT_EQ(Run({QStringLiteral("migrate"), legacy}), 0);
        nextContainer = ReadAll(container);
        ASSERT_TRUE(test::WriteFile(container, previousContainer));
    }

    // The files a writer starts from.
    void PutStartFiles(const Writer &writer)
    {
        ASSERT_TRUE(test::WriteFile(container, writer.fromNextContainer ? nextContainer : previousContainer));
        ASSERT_TRUE(test::WriteFile(tvImage, previousTv));
    }

    // Starts a writer and, where it announces its save, waits for that.
    bool StartWriter(QProcess &process, const Writer &writer) const
    {
        process.setProcessEnvironment(Environment());
        process.start(writer.program, writer.arguments);
        if (!process.waitForStarted())
            return false;
        if (!writer.announcesSave)
            return true;
        QByteArray out;
        QDeadlineTimer deadline(120000);
        while (!out.contains("saving\n")) {
            if (deadline.hasExpired() || !process.waitForReadyRead(int(deadline.remainingTime())))
                return false;
            out += process.readAllStandardOutput();
        }
        return true;
    }

    // Runs a writer to its end: its exit status (-1 when it did not end
    // normally) and how long it wrote, from its start or its announced save.
    int RunWriter(const Writer &writer, QByteArray *err, qint64 *runMs) const
    {
        QProcess process;
        QElapsedTimer clock;
        clock.start();
        if (!StartWriter(process, writer))
            return -1;
        if (writer.announcesSave)
            clock.restart();
        if (!process.waitForFinished(120000))
            return -1;
        *runMs = std::max<qint64>(clock.elapsed(), 50);
        *err = process.readAllStandardError();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    // What a writer makes of its start files when nothing interrupts it.
    void LearnWriter(const Writer &writer, qint64 *runMs)
    {
        PutStartFiles(writer);
        startText = ContainerLayoutText(container, scratch());
        startTv = ReadAll(tvImage);
        QByteArray err;
        ASSERT_EQ(RunWriter(writer, &err, runMs), 0) << writer.name << ": " << err.toStdString();
        nextText = ContainerLayoutText(container, scratch());
        nextTv = ReadAll(tvImage);
        ASSERT_FALSE(nextText.isEmpty()) << writer.name;
        ASSERT_TRUE(nextText != startText || nextTv != startTv) << writer.name << " changed nothing";
    }

    // Either version of each file, whole.
    void ExpectIntact(const QString &when)
    {
        const QString text = ContainerLayoutText(container, scratch());
        EXPECT_TRUE(text == startText || text == nextText) << "torn container " << when.toStdString();
        const QByteArray tv = ReadAll(tvImage);
        EXPECT_TRUE(tv == startTv || tv == nextTv) << "torn TV image " << when.toStdString() << " ("
                                                  << tv.size() << " bytes)";
    }

    // Kills a writer at random moments up to a little beyond the time an
    // uninterrupted run writes; with restart, every run starts from the
    // writer's start files again.
    void KillRepeatedly(const Writer &writer, int rounds, qint64 runMs, bool restart)
    {
        QRandomGenerator random(20261210);
        for (int round = 0; round < rounds; ++round) {
            if (restart)
                PutStartFiles(writer);
            QProcess process;
            ASSERT_TRUE(StartWriter(process, writer)) << writer.name;
            const qint64 delay = qint64(random.bounded(double(runMs) * 1.1));
            QThread::msleep(static_cast<unsigned long>(delay));
            process.kill();
            process.waitForFinished(60000);
            ExpectIntact(QStringLiteral("after killing %1 at %2 ms of %3 ms").arg(QLatin1String(writer.name)).arg(delay).arg(runMs));
            if (HasFailure())
                return;
        }
    }

    test::TempDir dir;
    QString folder, support, legacy, container, tvImage, windowScript;
    QByteArray previousContainer, nextContainer, previousTv;
    // The files before and after the writer under test, read back.
    QString startText, nextText;
    QByteArray startTv, nextTv;
};

TEST_F(CrashSafety, KilledWritersNeverLeaveATornContainerOrTvImage)
{
    MakeLayout(dir.file(QStringLiteral("menus")));
    LearnNextContainer();
    if (HasFailure())
        return;
    for (const Writer &writer : Writers()) {
        qint64 runMs = 0;
        LearnWriter(writer, &runMs);
        if (HasFailure())
            return;
        KillRepeatedly(writer, 30, runMs, true);
        if (HasFailure())
            return;
    }
}

// A small file system of its own, filled up: the writers fail with one clear
// line and leave the previous files intact, also when killed on the way.
TEST_F(CrashSafety, AFullDiskFailsCleanlyAndKeepsThePreviousFiles)
{
    const QString mountPoint = dir.file(QStringLiteral("small-disk"));
    ASSERT_TRUE(QDir().mkpath(mountPoint));
    if (::geteuid() != 0 || ::mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", 0, "size=8m") != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root and mount permission), so no full disk can be made";
    struct Unmount {
        QString path;
        ~Unmount() { ::umount2(QFile::encodeName(path).constData(), MNT_DETACH); }
    } unmount{mountPoint};

    MakeLayout(mountPoint + QStringLiteral("/menus"));
    if (HasFailure())
        return;
    // Fill what is left but a few kilobytes.
    {
        QFile filler(mountPoint + QStringLiteral("/filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(64 * 1024, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        filler.close();
        filler.resize(std::max<qint64>(0, filler.size() - 16 * 1024));
    }
    // Nothing may change: the next version is the previous one.
    nextText = startText;
    nextTv = startTv;
    for (const Writer &writer : Writers()) {
        // Killed runs before may have left their temporary files: a killed process cannot tidy up.
        const QStringList before = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        QByteArray err;
        qint64 runMs = 50;
        const int status = RunWriter(writer, &err, &runMs);
        // The editor tells the user in its own words, in a message box.
        if (writer.program == kProgram) {
            EXPECT_EQ(status, 2) << writer.name << ": " << err.toStdString();
            EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
            EXPECT_TRUE(err.contains(QFile::encodeName(folder))) << err.toStdString();
        } else if (writer.program == kEditorSave) {
            EXPECT_EQ(status, 2) << writer.name << ": " << err.toStdString();
            EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
            EXPECT_TRUE(err.contains("UNABLE TO SAVE FILE")) << "failed before saving: " << err.toStdString();
        } else {
            // The session's expectation of the confirmation failed on the failure message.
            EXPECT_EQ(status, 1) << writer.name << ": " << err.toStdString();
            EXPECT_TRUE(err.contains("expect-message: last message is") && err.contains("UNABLE TO SAVE FILE"))
                << "failed before saving: " << err.toStdString();
        }
        ExpectIntact(QStringLiteral("after %1 on a full disk").arg(QLatin1String(writer.name)));
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), before) << "a failed write left files behind";
        KillRepeatedly(writer, 5, runMs, false);
    }
}

} // namespace
} // namespace zorvan
