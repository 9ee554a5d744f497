#pragma once

#include <QStringView>

#include <array>
#include <cstdint>
#include <span>

namespace zorvan {

// Looks up a fixed set of element names in one text with a single pass:
// value(i) is exactly FindElementValue(text, names[i]), i.e. the text after
// the first "<name>" up to the next "</name>". Names are at most kMaxNameLength
// long; longer ones are never found. Reading a strip asks for some
// thirty elements; searching the strip once per element was most of the
// reading time of a large layout.
class ElementScan {
public:
    static constexpr int kMaxNames = 32;
    static constexpr int kMaxNameLength = 63;

    ElementScan(QStringView text, std::span<const QStringView> names);

    QStringView value(int nameIndex) const;

private:
    int lookup(QStringView name) const;

    QStringView m_text;
    std::span<const QStringView> m_names;
    qsizetype m_longestName = 0;
    // Per name length, the set of names of that length (bit i: names[i]).
    std::array<std::uint32_t, kMaxNameLength + 1> m_namesOfLength{};
    std::array<qsizetype, kMaxNames> m_valueStart;
    std::array<qsizetype, kMaxNames> m_valueEnd;
};

} // namespace zorvan
