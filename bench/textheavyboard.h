#pragma once

#include "document/menudata.h"
#include "render/imaging.h"
#include "render/previewrefresh.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace zorvan::bench {

// A full 8 x 50 board where every strip has all three blocks: a two-line
// main item with a shadow, two lines of sub items and two price lines with
// tab columns, calories and an outline, in three faces.
struct TextHeavyBoard {
    QTemporaryDir dir;
    MenuData doc;
    std::unique_ptr<RenderState> state = std::make_unique<RenderState>();
    BoardRect area{0, 0, 1600, 2900};

    TextHeavyBoard(int width, int height)
    {
        QImage background(width, height, QImage::Format_RGB32);
        {
            QPainter painter(&background);
            QLinearGradient gradient(0, 0, width, height);
            gradient.setColorAt(0, QColor(20, 30, 70));
            gradient.setColorAt(1, QColor(90, 20, 20));
            painter.fillRect(background.rect(), gradient);
        }
        doc.BackgroundPath = QDir(dir.path()).filePath(QStringLiteral("Background.jpg"));
        if (!SaveImageFile(background, doc.BackgroundPath, "image/jpeg", 90)) {
            std::fprintf(stderr, "text bench: cannot write %s\n", qPrintable(doc.BackgroundPath));
            std::abort();
        }
        doc.NumberOfColumns = 8;
        doc.NumberOfRows = 50;
        const QString faces[] = {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                                 QStringLiteral("Open Sans")};
        for (int c = 0; c < 8; ++c) {
            for (int r = 0; r < 50; ++r) {
                StripData &s = doc.strip(c, r);
                s.CaloriesTextColor = 0x0000FFFF;
                s.CaloriesItalics = (r % 2) == 1;
                TextParams &main = s.MainItemTextParams;
                main.Text = QStringLiteral("Double Cheeseburger %1\r\nDeluxe").arg(c * 50 + r);
                main.Font = faces[(c + r) % 3];
                main.Bold = true;
                main.ScaleFactor = 0.3;
                main.Xref = 0.03;
                main.Yref = 0.02;
                main.DropShadowColor = 0x00000000;
                TextParams &sub = s.SubItemsTextParams;
                sub.Text = QStringLiteral("with fries, pickles and onions\r\nand a small drink");
                sub.Font = faces[(c + r + 1) % 3];
                sub.ScaleFactor = 0.15;
                sub.Yref = 0.55;
                sub.Italics = (c % 2) == 0;
                TextParams &prices = s.PricesTextParams;
                prices.Text = QStringLiteral("Small^Medium^~Large\r\n4.99>250^6.49>410^7.99>560");
                prices.Font = faces[(c + r + 2) % 3];
                prices.ScaleFactor = 0.2;
                prices.Yref = 0.3;
                prices.DropShadowColor = 0x00202020;
                prices.GroupAlignment = (c + r) % 3;
            }
        }
        state->workFolder = dir.path();
    }
};

} // namespace zorvan::bench
