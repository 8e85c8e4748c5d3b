#pragma once

#include <cstdint>

class frmWorm;
struct RunningGame;

// Answers of PauseScreen.
enum PauseAnswer : std::int16_t {
  PauseEndGame = 1,   // left: end the game
  PauseGoOn = 2,      // no push or up: go on playing
};

// Items of the pause screen ("Paus").
enum PauseItem : std::uint8_t {
  PauseItemEnd = 1,    // left
  PauseItemGoOn = 2,   // top, the default
  PauseItemSave = 3,   // right
  PauseItemInfo = 4,   // bottom
};

// The pause picture wiped over the play area, its four items chosen with
// stick or keypad and fire. Saving (right) writes the running game with the
// lives, shield and breaking pads of form.Play and the loaded
// database's save counter to TrackPath + game.ChosenDatabase + ".wsf" and
// shows message 6, or tells the player that it failed; the pause screen
// stays. Down shows InfoScreen. The track comes back on either answer.
std::int16_t PauseScreen(frmWorm& form, RunningGame& game);

// The information page over the play area; fire brings the pause picture
// back.
void InfoScreen(frmWorm& form);
