#pragma once

#include <QByteArray>
#include <QString>

namespace zorvan {

class JsonWriter;
class MenuData;
struct StripData;
struct TextParams;

// The document as JSON: grid size, white-print state, the stored background
// file name, the background path in use, and every strip of the grid that is
// in use (column outer, row inner) with all its fields under their layout
// element names. Colours are their 0x00BBGGRR integers.
QByteArray DocumentJson(const MenuData &doc, const QString &backgroundFileName);
void WriteDocumentJson(JsonWriter &json, const MenuData &doc, const QString &backgroundFileName);
void WriteStripJson(JsonWriter &json, const StripData &strip);
void WriteTextParamsJson(JsonWriter &json, const TextParams &block);

} // namespace zorvan
