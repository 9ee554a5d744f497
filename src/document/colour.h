#pragma once

#include <cstdint>

namespace zorvan {

// A colour is 0x00BBGGRR: red in the low byte, drawn opaque.
using Colour = std::uint32_t;

// Reserved for "no fill" and "no drop shadow"; a real colour of exactly this
// value cannot be expressed.
inline constexpr Colour kNoColour = 0x00010000;
inline constexpr Colour kWhite = 0x00FFFFFF;
inline constexpr Colour kBlack = 0x00000000;

constexpr int ColourRed(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int ColourGreen(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int ColourBlue(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr Colour MakeColour(int red, int green, int blue)
{
    return static_cast<Colour>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

} // namespace zorvan
