#pragma once

#include "document/menudata.h"

#include <vector>

namespace zorvan {

// One value per strip record (9 x 201), kept on the heap: the render state
// holds several of these and would not fit comfortably on a stack otherwise.
template<typename T>
class StripGrid {
public:
    StripGrid() : m_values(kStripColumns * kStripRows) {}

    T &at(int column, int row) { return m_values[index(column, row)]; }
    const T &at(int column, int row) const { return m_values[index(column, row)]; }
    void fill(const T &value) { std::fill(m_values.begin(), m_values.end(), value); }

private:
    static std::size_t index(int column, int row)
    {
        return static_cast<std::size_t>(column) * kStripRows + static_cast<std::size_t>(row);
    }
    std::vector<T> m_values;
};

} // namespace zorvan
