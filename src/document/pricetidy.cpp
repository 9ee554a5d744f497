#include "document/pricetidy.h"

#include "document/menudata.h"

#include <algorithm>

namespace zorvan {

void TidyPricesForSave(MenuData &doc)
{
    const int columns = std::clamp(doc.NumberOfColumns, 0, kMaxColumns);
    const int rows = std::clamp(doc.NumberOfRows, 0, kMaxRows);
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r) {
            QString &prices = doc.strip(c, r).block(Prices).Text;
            prices.remove(QLatin1Char('~'));
            if (prices.endsWith(QLatin1Char(' ')))
                prices.chop(1);
        }
    }
}

} // namespace zorvan
