#pragma once

#include <cstdint>

class frmWorm;

// The picture messages "Message1.bmp" .. "Message8.bmp" by number.
enum MessageNumber : std::uint8_t {
  MessageGetReady = 1,      // start of a track; counts down from 10
  MessageLifeLost = 2,      // 3000 ms
  MessageTrackDone = 3,     // until fire
  MessageGameOver = 4,      // until fire
  MessageTestEnded = 5,     // 1500 ms
  MessageGameSaved = 6,     // 1500 ms
  MessageNoDatabase = 7,    // 1500 ms
  MessageNoSavedGame = 8,   // 1500 ms
};

// Shows message `number` in picMsgBox with its top-left corner at (x, y)
// over the playfield, waits as the message asks, then hides and parks the
// box at (13, 380). Messages 3 and 4 return at once while fire is held;
// message 1 counts down in lblCountDown (sound 21 on each step, 80 passes
// of 13 ms) until 0 and a further second, or until fire, then sound 24.
// Another number shows its picture (if any) without waiting.
void ShowMessage(frmWorm& form, std::int16_t x, std::int16_t y, std::uint8_t number);
