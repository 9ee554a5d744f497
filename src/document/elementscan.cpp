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
    qsizetype at = 0;
    while (at < size && unresolved > 0) {
        if (data[at] != u'<') {
            ++at;
            continue;
        }
        qsizetype nameStart = at + 1;
        const bool closing = nameStart < size && data[nameStart] == u'/';
        if (closing)
            ++nameStart;
        // Names hold no '<' or '>', so "<name>" starts here exactly when the
        // text up to the next '>' is the name. Either way no tag starts before
        // where this look stopped, so the scan goes on from there.
        const qsizetype limit = std::min(size, nameStart + m_longestName + 1);
        qsizetype nameEnd = nameStart;
        while (nameEnd < limit && data[nameEnd] != u'>' && data[nameEnd] != u'<')
            ++nameEnd;
        if (nameEnd == limit || data[nameEnd] == u'<' || nameEnd == nameStart) {
            at = std::max(nameEnd, at + 1);
            continue;
        }
        at = nameEnd + 1;
        const int i = lookup(text.sliced(nameStart, nameEnd - nameStart));
        if (i < 0)
            continue;
        if (!closing) {
            if (m_valueStart[i] < 0)
                m_valueStart[i] = nameEnd + 1;
        } else if (m_valueStart[i] >= 0 && m_valueEnd[i] < 0) {
            m_valueEnd[i] = nameStart - 2;
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
        // Compared from the end: several names differ only in a trailing X or Y.
        const char16_t *candidate = m_names[i].utf16();
        qsizetype k = name.size() - 1;
        while (k >= 0 && candidate[k] == chars[k])
            --k;
        if (k < 0)
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
