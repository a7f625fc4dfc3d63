#pragma once

namespace quenbrook {

// Window sizes are designed in twips; a logical pixel is 15 of them (96 to the inch).
inline constexpr int TwipsPerPixel = 15;

// Twips to logical pixels, to the nearest pixel.
constexpr int Pixels(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

} // namespace quenbrook
