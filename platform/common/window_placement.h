// Where a window goes when it is centred on the screen.
#pragma once

// The corner, along one axis, of a window `size` pixels long (its frame
// included) centred on a screen `screen` pixels long. The arithmetic shift
// rounds towards minus infinity, so a window larger than the screen gets a
// negative corner.
inline int centredCorner(int screen, int size) { return (screen - size) >> 1; }
