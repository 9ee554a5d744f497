#pragma once

#include <QStringView>

#include <array>
#include <span>

namespace zorvan {

// Looks up a fixed set of element names in one text with a single pass:
// value(i) is exactly FindElementValue(text, names[i]), i.e. the text after
// the first "<name>" up to the next "</name>". Reading a strip asks for some
// thirty elements; searching the strip once per element was most of the
// reading time of a large layout.
class ElementScan {
public:
    static constexpr int kMaxNames = 32;

    ElementScan(QStringView text, std::span<const QStringView> names);

    QStringView value(int nameIndex) const;

private:
    int lookup(QStringView name) const;

    QStringView m_text;
    std::span<const QStringView> m_names;
    qsizetype m_longestName = 0;
    std::array<qsizetype, kMaxNames> m_valueStart;
    std::array<qsizetype, kMaxNames> m_valueEnd;
};

} // namespace zorvan
