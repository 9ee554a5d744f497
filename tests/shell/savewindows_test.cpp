#include "boardprinter.h"
#include "imagerotationselectiondialog.h"
#include "qtdialogs.h"
#include "savingwindow.h"

#include "tempdir.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace zorvan {
namespace {

TEST(ImageRotationSelectionDialog, ShowsTheValueAndEachButtonSetsIt)
{
    ImageRotationSelectionDialog dialog(TvRotation::CounterClockwise);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("TV Image Rotation"));
    dialog.show();
    QApplication::processEvents();
    const TvRotation all[] = {TvRotation::None, TvRotation::Clockwise, TvRotation::CounterClockwise};
    const auto checked = [&] {
        QList<TvRotation> on;
        for (TvRotation r : all)
            if (dialog.button(r)->isChecked())
                on.append(r);
        return on;
    };
    EXPECT_EQ(checked(), QList<TvRotation>{TvRotation::CounterClockwise});
    EXPECT_EQ(dialog.button(TvRotation::None)->text(), QStringLiteral("NONE"));
    EXPECT_EQ(dialog.button(TvRotation::Clockwise)->objectName(), QStringLiteral("1122"));
    for (TvRotation r : {TvRotation::Clockwise, TvRotation::None, TvRotation::CounterClockwise, TvRotation::CounterClockwise}) {
        dialog.button(r)->click();
        EXPECT_EQ(dialog.value(), r);
        EXPECT_EQ(checked(), QList<TvRotation>{r});
    }
    // Closed without OK, the dialog still answers with what it shows.
    dialog.button(TvRotation::Clockwise)->click();
    dialog.reject();
    EXPECT_EQ(dialog.value(), TvRotation::Clockwise);
}

TEST(SavingWindow, ThePleaseWaitWindowStaysUpPaintingUntilItsDeadline)
{
    QtDialogs dialogs;
    dialogs.showPleaseWait(QStringLiteral("PLEASE WAIT!"));
    auto *window = qobject_cast<SavingLayoutAndImageFilesDialog *>(dialogs.pleaseWaitWindow());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->okButton()->isVisible());
    EXPECT_EQ(window->text(), QStringLiteral("PLEASE WAIT!"));
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);

    // The wait runs an event loop: the window is repainted while the time runs out.
    const int paintsBefore = window->paintCount();
    bool visibleMeanwhile = false;
    int paintsMeanwhile = 0;
    QTimer::singleShot(100, window, [&] {
        visibleMeanwhile = window->isVisible();
        window->update();
    });
    QTimer::singleShot(300, window, [&] { paintsMeanwhile = window->paintCount(); });
    QElapsedTimer clock;
    clock.start();
    dialogs.closePleaseWait(QDeadlineTimer(400));
    EXPECT_GE(clock.elapsed(), 390);
    EXPECT_TRUE(visibleMeanwhile);
    EXPECT_GT(paintsMeanwhile, paintsBefore);
    EXPECT_EQ(dialogs.pleaseWaitWindow(), nullptr);
}

TEST(SavingWindow, TheClosingMessageWaitsForOk)
{
    QtDialogs dialogs;
    QString shown;
    bool okVisible = false;
    QTimer::singleShot(0, [&] {
        auto *window = qobject_cast<SavingLayoutAndImageFilesDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        shown = window->text();
        okVisible = window->okButton()->isVisible();
        window->okButton()->click();
    });
    dialogs.showSavingMessage(QStringLiteral("\nFILE SAVED CONFIRMATION!\r\nLunch_TV.jpg"));
    EXPECT_EQ(shown, QStringLiteral("\nFILE SAVED CONFIRMATION!\nLunch_TV.jpg"));
    EXPECT_TRUE(okVisible);
}

TEST(BoardPrinter, APdfPrintHoldsTheBoardImage)
{
    test::TempDir temp;
    QImage board(64, 48, QImage::Format_RGB32);
    board.fill(QColor(200, 30, 30));
    const QString image = temp.file(QStringLiteral("print.jpg"));
    ASSERT_TRUE(board.save(image, "JPEG"));
    const QString pdf = temp.file(QStringLiteral("board.pdf"));
    QString error;
    ASSERT_TRUE(PrintImageFileToPdf(image, pdf, &error)) << qPrintable(error);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_TRUE(bytes.contains("/Subtype /Image"));
    EXPECT_TRUE(bytes.contains("/Width 64"));
    EXPECT_TRUE(bytes.contains("/Height 48"));

    EXPECT_FALSE(PrintImageFileToPdf(temp.file(QStringLiteral("missing.jpg")), pdf, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("missing.jpg")));
}

} // namespace
} // namespace zorvan
