#pragma once

#include "benchboards.h"

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
        FillTextHeavyStrips(doc, 8, 50);
        state->workFolder = dir.path();
    }
};

} // namespace zorvan::bench
