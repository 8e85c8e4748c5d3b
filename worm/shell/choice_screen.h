#pragma once

#include <QString>

#include <cstdint>

class frmWorm;
class InputReader;

// Screen names of the choice screens, as FlashChoice takes them.
inline const QString ScreenMain = QStringLiteral("Main");
inline const QString ScreenPause = QStringLiteral("Paus");
inline const QString ScreenInfo = QStringLiteral("Info");
inline const QString ScreenTheEnd = QStringLiteral("TheEnd");
inline const QString ScreenHighScore = QStringLiteral("WormHigh");

// Copies the item's highlighted look from the clip picture (picMiscClip)
// onto the visible playfield. Unknown combinations draw nothing.
void HighlightItem(frmWorm& form, const QString& screen, std::uint8_t item);
// Un-highlights every item: the playfield repaints its background picture.
void RefreshPlayField(frmWorm& form);
// Sound 24, then the item flashes times + 1 times (75 ms lit, 75 ms not)
// and a last 75 ms pass: 675 ms for times 3.
void FlashChoice(frmWorm& form, const QString& screen, std::uint8_t item, std::uint8_t times);

// Polls until fire, sending the music command "Check" on every pass.
void WaitForFireWithMusic(frmWorm& form, InputReader& input);
// Polls until every joystick button and keypad 0 are up.
void WaitUntilReleased(InputReader& input);

// A full-screen choice screen comes up: the picture file in picDummy, the
// clip file in picMiscClip, the playfield black at (0, 0, 640, 480), then
// the picture wiped in and kept as the playfield's background.
void ShowFullScreen(frmWorm& form, const QString& picture, const QString& clip);
// The screen goes: wiped to black, the playfield hidden, cleared and parked
// at (98, 416, 81, 33).
void LeaveFullScreen(frmWorm& form);
