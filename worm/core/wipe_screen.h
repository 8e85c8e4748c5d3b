#pragma once

#include <QString>

class frmWorm;

// Brings a composed screen onto the playfield in eight interlaced passes of
// every eighth line, 40 ms apart: "Main" (picDummy, 640 x 480), "Play"
// (picDummy, 636 x 444) or "Pause" (picMisc, 636 x 444). Without copy the
// lines turn black instead. Another screen name draws nothing but still
// takes the eight waits.
void WipeScreen(frmWorm& form, bool copy, const QString& screen);
