#pragma once

#include <QStringView>

#include <vector>

namespace zorvan {

// Where each strip element of the grid lies in a layout text, found in one
// pass. value() gives exactly what FindElementValue(text, "Strip<c>-<r>")
// gives, without searching the whole text once per strip: a text may hold a
// literal "<Strip0-5>" inside an earlier strip's text, and then that earlier
// occurrence is the one that counts.
class StripTagIndex {
public:
    StripTagIndex(QStringView text, int columns, int rows);

    QStringView value(int column, int row) const;

private:
    int slot(int column, int row) const { return column * m_rows + row; }

    QStringView m_text;
    int m_columns = 0;
    int m_rows = 0;
    // Per strip: where the value after its first opening tag starts (-1: no tag)
    // and where each of its closing tags starts, in text order.
    std::vector<qsizetype> m_valueStart;
    std::vector<std::vector<qsizetype>> m_closingTags;
};

} // namespace zorvan
