#pragma once

#include <string>

#include "game.h"

// Drops disks by turns, one column digit per move, with whichever disk is enabled.
inline MoveResult Play(Game& game, const std::string& columns) {
  MoveResult result = MoveResult::Landed;
  for (char column : columns) {
    result = game.Move(column - '0', game.RedDisk().enabled ? Disk::Red : Disk::Blue);
  }
  return result;
}

// Fills the board without a four.
inline const std::string kNoWinnerGame = "6224253444446164203255203312360355550661361001011";
// Red makes a four only with the 49th disk.
inline const std::string kLastDiskWinsGame = "3142105222502024021111334643645143060635546565603";
// Red's last disk at cell 45 completes cells 42..45 and the diagonal 45, 39, 33, 27.
inline const std::string kDoubleFourGame = "041525465606613";

// The turn as the two disks and their "GO" frames show it, e.g.
// "red enabled+border, blue disabled, GO red".
inline std::string Controls(const Game& game) {
  auto disk = [](const DiskControl& control) {
    return std::string(control.enabled ? "enabled" : "disabled") +
           (control.borderStyle == kBorderShown ? "+border" : "");
  };
  std::string text = "red " + disk(game.RedDisk()) + ", blue " + disk(game.BlueDisk());
  if (game.RedFrameBorder() == kBorderShown) text += ", GO red";
  if (game.BlueFrameBorder() == kBorderShown) text += ", GO blue";
  return text;
}
