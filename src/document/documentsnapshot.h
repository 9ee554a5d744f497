#pragma once

#include <QJsonObject>
#include <QString>

namespace zorvan {

class MenuData;

// An exact copy of the document as JSON, for the editor's own use (the
// unsaved edits kept against a crash). Unlike the layout text, it keeps every
// number as it is in memory and changes nothing on the way back in: reading
// a snapshot gives a document equal to the one written, field for field.
QJsonObject DocumentSnapshot(const MenuData &doc);

// False with a reason when the snapshot is not one; doc is then untouched.
bool ReadDocumentSnapshot(const QJsonObject &snapshot, MenuData &doc, QString *error = nullptr);

} // namespace zorvan
