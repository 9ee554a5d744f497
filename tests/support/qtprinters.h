#pragma once

#include <QString>
#include <QStringView>

#include <ostream>

// Readable gtest messages for Qt strings (found by argument-dependent lookup).
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(QStringView s, std::ostream *os)
{
    *os << '"' << s.toString().toStdString() << '"';
}
