#pragma once

#include <optional>

namespace zorvan {

class MenuData;
class RenderState;

// A centred block is drawn in the middle of its strip box whatever its
// reference point says. This is the reference point that draws the block,
// no longer centred, exactly where centring put it, so that giving up
// centring does not make it jump. Empty when the board or the block cannot
// be measured.
std::optional<double> CentredBlockXref(const RenderState &state, const MenuData &doc, int column, int row,
                                       int textItem);

} // namespace zorvan
