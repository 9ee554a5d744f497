#pragma once

// A small board drawn by a real editor, for tests that click and type on it.
#include "fakeservices.h"

#include "editing/colourcommands.h"
#include "editing/controlids.h"
#include "editing/leftclick.h"

#include "tempdir.h"

#include <QImage>
#include <QImageWriter>

#include <gtest/gtest.h>

namespace zorvan::test {

inline constexpr Colour kRed = 0x000000FF;
inline constexpr Colour kBlue = 0x00FF0000;

inline QString WriteJpeg(const QString &path, int width, int height, const QColor &colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QImageWriter writer(path, "jpeg");
    EXPECT_TRUE(writer.write(image)) << qPrintable(path);
    return path;
}

inline QPoint Centre(const QRectF &r)
{
    return QPoint(int(r.x() + r.width() / 2), int(r.y() + r.height() / 2));
}

// An 800 x 600 board shown 1:1, a 2 x 3 grid of 400 x 200 cells:
//   (0,0) red fill with main, sub and prices texts   (1,0) blue fill, nothing else
//   (0,1) picture two cells wide                     (1,1) picture with a main text
//   (0,2) bare strip with a main text                (1,2) a logo with a main text on it
class ClickBoard : public ::testing::Test {
public:
    test::TempDir temp;
    test::EditorFixture f{temp.file(QStringLiteral("Trelmont/QRT100"))};
    Editor &editor = f.editor;
    MenuData &doc = f.editor.document();

    ClickBoard()
    {
        doc.BackgroundPath = WriteJpeg(temp.file(QStringLiteral("Menu.jpg")), 800, 600, QColor(30, 30, 30));
        doc.NumberOfColumns = 2;
        doc.NumberOfRows = 3;
        const QString picture = WriteJpeg(temp.file(QStringLiteral("pie.jpg")), 64, 48, QColor(200, 150, 0));
        const QString logo = WriteJpeg(temp.file(QStringLiteral("brand_logo.jpg")), 64, 48, QColor(0, 150, 200));

        StripData &s00 = doc.strip(0, 0);
        s00.BackGroundColor = kRed;
        text(s00.MainItemTextParams, QStringLiteral("Burger"), 0.05, 0.05);
        text(s00.SubItemsTextParams, QStringLiteral("with fries"), 0.05, 0.45);
        text(s00.PricesTextParams, QStringLiteral("5.99"), 0.8, 0.05);
        doc.strip(1, 0).BackGroundColor = kBlue;
        doc.strip(0, 1).SubImageFileName = picture;
        doc.strip(0, 1).XSizeFactor = 2.0;
        doc.strip(1, 1).SubImageFileName = picture;
        text(doc.strip(1, 1).MainItemTextParams, QStringLiteral("Pie"), 0.05, 0.05);
        text(doc.strip(0, 2).MainItemTextParams, QStringLiteral("Soup"), 0.05, 0.05);
        doc.strip(1, 2).SubImageFileName = logo;
        text(doc.strip(1, 2).MainItemTextParams, QStringLiteral("Brand"), 0.05, 0.05);
        f.editor.panel().SetPanelAfterLoading();
        EXPECT_TRUE(editor.RefreshPreview());
    }

    static void text(TextParams &block, const QString &content, double x, double y)
    {
        block.Text = content;
        block.Xref = x;
        block.Yref = y;
        block.Font = QStringLiteral("DejaVu Sans");
        block.ScaleFactor = 0.3;
    }

    QRectF textRect(int c, int r, int k) const { return editor.render().textScreenRects.at(c, r)[size_t(k)]; }
    QPoint onText(int c, int r, int k) const
    {
        const QRectF rect = textRect(c, r, k);
        EXPECT_GT(rect.width(), 0) << c << "," << r << " block " << k;
        return Centre(rect);
    }
    void click(const QPoint &p, bool shift = false) { HandleLeftClick(editor, p, shift); }
    void clickPalette(int index) { click(Centre(EditorPaletteCells(editor)[size_t(index)])); }
    QString status() const { return editor.status(); }
    QString mode() const
    {
        const EditModes &m = editor.modes();
        return m.text ? QStringLiteral("text") : m.picture ? QStringLiteral("picture")
               : m.background ? QStringLiteral("background") : m.group ? QStringLiteral("group")
                              : QStringLiteral("idle");
    }
};

} // namespace zorvan::test
