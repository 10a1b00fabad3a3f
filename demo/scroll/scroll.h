// The line of text that runs through the lower letterbox bar.
#pragma once

struct ScrollText {};  // no fields: only the receiver of the draw

// Draws the characters visible at clock t with sheetTexture, in one batch.
void drawScrollText(ScrollText* scrollText, double t);
