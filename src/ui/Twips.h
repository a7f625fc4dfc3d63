#pragma once

namespace quenbrook {

// Window sizes are designed in twips; a logical pixel is 15 of them (96 to the inch).
inline constexpr int TwipsPerPixel = 15;

} // namespace quenbrook
