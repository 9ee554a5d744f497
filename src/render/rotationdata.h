#pragma once

#include <QString>

#include <functional>

namespace zorvan {

// How a portrait TV image is turned for a display mounted on its side.
enum class TvRotation { None = 0, Clockwise = 1, CounterClockwise = 2 };

// Asked with the last choice preselected; returns the choice.
using RotationQuestion = std::function<TvRotation(TvRotation preselected)>;

// "RotationData.txt" in the Trelmont folder remembers the last choice as one
// UTF-16LE digit without byte order mark or terminator.
QString RotationDataPath(const QString &trelmontFolder);
// A missing or unreadable file, or any first character but "1" or "2", is None.
TvRotation ReadRotationData(const QString &trelmontFolder);
bool WriteRotationData(const QString &trelmontFolder, TvRotation rotation);

// Asks with the remembered choice and remembers the answer.
TvRotation AskRotation(const QString &trelmontFolder, const RotationQuestion &question);

} // namespace zorvan
