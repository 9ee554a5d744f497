#include "document/striptagindex.h"

#include <algorithm>

namespace zorvan {

namespace {

// Reads a number as the writer formats it ("%d" of a non-negative value: no
// sign, no leading zeros). Returns the position after it, or -1.
qsizetype ReadIndex(QStringView text, qsizetype at, int limit, int *value)
{
    qsizetype i = at;
    int result = 0;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
        if (i > at && result == 0)
            return -1; // a leading zero names another element
        result = result * 10 + (text[i].unicode() - u'0');
        if (result >= limit)
            return -1;
        ++i;
    }
    if (i == at)
        return -1;
    *value = result;
    return i;
}

} // namespace

StripTagIndex::StripTagIndex(QStringView text, int columns, int rows)
    : m_text(text), m_columns(std::max(columns, 0)), m_rows(std::max(rows, 0)),
      m_valueStart(static_cast<size_t>(m_columns) * static_cast<size_t>(m_rows), -1),
      m_closingTags(m_valueStart.size())
{
    static constexpr char16_t kStrip[] = u"Strip";
    constexpr qsizetype kStripLength = 5;
    const char16_t *data = text.utf16();
    const qsizetype size = text.size();
    for (qsizetype at = 0; at < size; ++at) {
        if (data[at] != u'<')
            continue;
        qsizetype i = at + 1;
        const bool closing = i < size && data[i] == u'/';
        if (closing)
            ++i;
        if (size - i < kStripLength || !std::equal(kStrip, kStrip + kStripLength, data + i))
            continue;
        int column = 0;
        int row = 0;
        i = ReadIndex(text, i + kStripLength, m_columns, &column);
        if (i >= 0 && i < size && data[i] == u'-')
            i = ReadIndex(text, i + 1, m_rows, &row);
        else
            i = -1;
        if (i >= 0 && i < size && data[i] == u'>') {
            const int s = slot(column, row);
            if (closing)
                m_closingTags[s].push_back(at);
            else if (m_valueStart[s] < 0)
                m_valueStart[s] = i + 1;
        }
    }
}

QStringView StripTagIndex::value(int column, int row) const
{
    if (column < 0 || row < 0 || column >= m_columns || row >= m_rows)
        return {};
    const int s = slot(column, row);
    const qsizetype start = m_valueStart[s];
    if (start < 0)
        return {};
    const std::vector<qsizetype> &closing = m_closingTags[s];
    const auto end = std::lower_bound(closing.begin(), closing.end(), start);
    if (end == closing.end())
        return {};
    return m_text.mid(start, *end - start);
}

} // namespace zorvan
