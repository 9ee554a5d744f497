#pragma once

#include "document/colour.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <functional>

namespace zorvan {

class MenuData;

// How stored paths become real ones while a layout text is read (container or
// legacy rules); an empty function keeps the stored value.
struct LayoutReadOptions {
    std::function<QString(const QString &storedPicturePath)> resolvePicturePath;
    // The palette colour the style template's text colours take on reset.
    Colour paletteColour = kWhite;
};

struct LayoutReadResult {
    bool ok = false;
    QString error;                    // why the text was refused, when !ok
    QString backgroundFileName;       // the stored BackgroundFileName value
    bool whitePrintBackground = false; // WhitePrintBackground as read (false when missing)
};

// The plain layout text of the document (one line, no escaping).
QString WriteLayoutText(const MenuData &doc, const QString &backgroundPath);

// Value between the first opening tag of name and the next closing tag of the
// same name; empty when either is missing.
QStringView FindElementValue(QStringView text, QStringView name);

// Fills doc from a plain or scrambled text. A text whose grid size is outside
// 1..8 x 1..200 (anything that is not a layout) is refused and doc is left
// exactly as it was.
LayoutReadResult ReadLayoutText(const QString &text, MenuData &doc, const LayoutReadOptions &options = {});

// Removes every '~', reverses the code units and adds 1 to each.
QString ScrambleLayoutText(const QString &plain);
// Undoes the scrambling when the text starts with '?'; otherwise returns it as is.
QString UnscrambleLayoutText(const QString &stored);

// UTF-16LE without BOM; an odd last byte is ignored.
QString DecodeLayoutBytes(const QByteArray &bytes);
QByteArray EncodeLayoutBytes(const QString &text);

// Whole-file helpers: read (and unscramble) / scramble and write.
bool ReadLayoutTextFile(const QString &path, QString *plainText, QString *error);
bool WriteLayoutTextFile(const QString &path, const QString &plainText, QString *error);

// '^' spacing rules of the prices text.
QString NormalisePriceTabs(const QString &prices);

} // namespace zorvan
