#pragma once

// Writes "SCORE", "LIFE" and "LEVEL" on the panel, then the numbers.
void DrawPanelLabels();
// Writes the score, the lives and the shown level (level + 1) on the panel.
void DrawPanelNumbers();
