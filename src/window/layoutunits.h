#pragma once

// The window is laid out in twips, 15 to one Qt logical pixel; Qt scales logical pixels on
// high-DPI screens. Stored window places and sizes are in twips too.
inline constexpr int TwipsPerPixel = 15;
