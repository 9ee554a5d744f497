#pragma once

#include "document/menudata.h"

#include <QImage>
#include <QString>

namespace zorvan::bench {

// Something like a photograph: smooth gradients with grain, so that JPEG
// coding costs what it costs on real backgrounds and pictures.
QImage PhotoLikeImage(int width, int height, QRgb from, QRgb to);

// Writes a JPEG or ends the run: a bench without its files measures nothing.
void SaveJpeg(const QImage &image, const QString &path, int quality);

// Writes an image and, when it is larger than the preview's 1600 pixels, its
// proxy the way the editor makes them on open (scaled, quality 80).
void SaveWithProxy(const QImage &image, const QString &path, const QString &proxyPath);

// Board 1: 2 x 16 strips on a 1920 x 1080 background, eight of them with a
// 2400 x 1800 picture, every strip with a main item and a price; the
// background and pictures with their proxies in folder.
void WritePictureBoardFiles(const QString &folder);
MenuData PictureBoardDocument(const QString &folder);

// Board 2: 8 x 200 strips, every one with all three blocks (a two-line main
// item with a shadow, two lines of sub items, two price lines with tab
// columns, calories and an outline) in three faces, on a 1080 x 1920
// background with its proxy in folder.
void WriteTextBoardFiles(const QString &folder);
// Fills the first columns x rows strips with the texts of the text-heavy boards.
void FillTextHeavyStrips(MenuData &doc, int columns, int rows);
MenuData TextBoardDocument(const QString &folder);

} // namespace zorvan::bench
