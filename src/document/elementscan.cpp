#include "document/elementscan.h"

#include <algorithm>
#include <bit>

namespace zorvan {

ElementScan::ElementScan(QStringView text, std::span<const QStringView> names)
    : m_text(text), m_names(names.first(std::min<size_t>(names.size(), kMaxNames)))
{
    m_valueStart.fill(-1);
    m_valueEnd.fill(-1);
    for (size_t i = 0; i < m_names.size(); ++i) {
        const qsizetype length = m_names[i].size();
        if (length > kMaxNameLength)
            continue;
        m_longestName = std::max(m_longestName, length);
        m_namesOfLength[length] |= std::uint32_t(1) << i;
    }

    const char16_t *data = text.utf16();
    const qsizetype size = text.size();
    int unresolved = static_cast<int>(m_names.size());
    for (qsizetype at = 0; at < size && unresolved > 0; ++at) {
        if (data[at] != u'<')
            continue;
        qsizetype nameStart = at + 1;
        const bool closing = nameStart < size && data[nameStart] == u'/';
        if (closing)
            ++nameStart;
        // Names hold no '>', so "<name>" starts here exactly when the text up
        // to the next '>' is the name.
        const qsizetype limit = std::min(size, nameStart + m_longestName + 1);
        qsizetype nameEnd = nameStart;
        while (nameEnd < limit && data[nameEnd] != u'>')
            ++nameEnd;
        if (nameEnd >= limit)
            continue;
        if (nameEnd == nameStart)
            continue;
        const int i = lookup(text.sliced(nameStart, nameEnd - nameStart));
        if (i < 0)
            continue;
        if (!closing) {
            if (m_valueStart[i] < 0)
                m_valueStart[i] = nameEnd + 1;
        } else if (m_valueStart[i] >= 0 && m_valueEnd[i] < 0) {
            m_valueEnd[i] = at;
            --unresolved;
        }
    }
}

int ElementScan::lookup(QStringView name) const
{
    if (name.size() > kMaxNameLength)
        return -1;
    const char16_t *chars = name.utf16();
    for (std::uint32_t candidates = m_namesOfLength[name.size()]; candidates != 0; candidates &= candidates - 1) {
        const int i = std::countr_zero(candidates);
        // Several names differ only in a trailing X or Y.
        if (m_names[i].back() == name.back() && std::equal(chars, chars + name.size(), m_names[i].utf16()))
            return i;
    }
    return -1;
}

QStringView ElementScan::value(int nameIndex) const
{
    if (nameIndex < 0 || nameIndex >= static_cast<int>(m_names.size()) || m_valueEnd[nameIndex] < 0)
        return {};
    return m_text.sliced(m_valueStart[nameIndex], m_valueEnd[nameIndex] - m_valueStart[nameIndex]);
}

} // namespace zorvan
