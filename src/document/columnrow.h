#pragma once

namespace zorvan {

// A strip index; (-1, -1) means none.
struct ColumnRow {
    int column = -1;
    int row = -1;

    bool isNone() const { return column < 0 || row < 0; }
    friend bool operator==(const ColumnRow &, const ColumnRow &) = default;
};

inline constexpr ColumnRow kNoStrip{-1, -1};

} // namespace zorvan
