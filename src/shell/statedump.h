#pragma once

#include <QJsonObject>
#include <QStringList>

namespace zorvan {

class MainWindow;

// The editor's whole state as a scripted session dumps it: document, title,
// status, modes, selection, geometry, messages, work folder and every
// control of the panel.
QJsonObject EditorStateJson(MainWindow &window, const QStringList &messages);

} // namespace zorvan
