#pragma once

#include "document/colour.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <functional>

namespace zorvan {

class MenuData;
struct StripData;

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

// The plain layout text of the document (one line, no escaping). Only the
// file name of backgroundPath is stored.
QString WriteLayoutText(const MenuData &doc, const QString &backgroundPath);

// "Zorvan PRO Editor 3.0 Version3.0.30.21": the NameAndVersion value.
QString LayoutNameAndVersion();
// "Strip<column>-<row>", both counted from 0.
QString StripElementName(int column, int row);
// Text after the last backslash or '/' (layouts from the other platform carry
// backslashes).
QString LayoutFileNameOf(const QString &path);

// Value between the first opening tag of name and the next closing tag of the
// same name; empty when either is missing.
QStringView FindElementValue(QStringView text, QStringView name);

// Fills doc from a plain or scrambled text: grid size, WhitePrintBackground
// (also returned, for the check box) and every strip; all strips and the style
// template are reset first. BackgroundPath and Modified are left to the caller.
// A text whose grid size is outside 1..8 x 1..200 (anything that is not a
// layout) is refused and doc is left exactly as it was.
LayoutReadResult ReadLayoutText(const QString &text, MenuData &doc, const LayoutReadOptions &options = {});

// Removes every '~', reverses the code units and adds 1 to each.
QString ScrambleLayoutText(const QString &plain);
// Undoes the scrambling when the text starts with '?'; otherwise returns it as is.
QString UnscrambleLayoutText(const QString &stored);

// UTF-16LE without BOM; an odd last byte is ignored.
QString DecodeLayoutBytes(const QByteArray &bytes);
QByteArray EncodeLayoutBytes(const QString &text);
// The plain text of a file's bytes: decoded, and unscrambled when scrambled.
QString DecodeStoredLayout(const QByteArray &bytes);

// Whole-file helpers: read (and unscramble) / scramble and write. On failure
// *error holds the reason, without the path ("cannot be opened: ...").
bool ReadLayoutTextFile(const QString &path, QString *plainText, QString *error);
bool WriteLayoutTextFile(const QString &path, const QString &plainText, QString *error);

// Keeps the price columns of a prices text apart: "^^" gets a space between
// the carets, and a '^' ending a line or the text is followed by a space.
QString NormalisePriceTabs(const QString &prices);
// Widens the tab spacing (no '^' in the prices text) or narrows the calories
// spacing (with '^') in 0.2 steps until calories <= 0.7 x tab.
void FitPriceSpacing(StripData &strip);

} // namespace zorvan
