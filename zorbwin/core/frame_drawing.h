#pragma once

// Redraws the actors: cleans the rectangles they leave and enter on the
// work surface from the background, draws the active ones there through
// their masks, and copies those rectangles onto the window. Each pass stops
// when the actors stop running.
void DrawFrame();
