#pragma once

namespace zorvan {

class MenuData;

// Before a save, the prices texts of the grid lose every '~' and then one
// trailing space, if they end in one. The document itself keeps the tidied
// texts, so the board shown after the save is the board saved.
void TidyPricesForSave(MenuData &doc);

} // namespace zorvan
