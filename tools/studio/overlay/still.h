// A still of the show's frame, without the overlay: the lead saves it after
// the frame and before drawOverlay, named by stillName (overlay_values.h).
#pragma once

#include <string>

// Writes the window's back buffer (width x height pixels) as a PNG at path.
// Returns 1, or 0 with the reason in *error.
int saveStill(const char* path, int width, int height, std::string* error);
