#pragma once

#include "core/direction.h"
#include "core/track_database.h"

#include <array>
#include <cstdint>

// Where a head that went into an open exit travels: off the field.
constexpr CellPosition OffFieldCell{-500, -500};

// The worm's side of the track being played: its head and directions, its
// growth, the cell counters and the end states. Starts anew with every track.
struct WormState {
  CellPosition Head;
  CellPosition PrevHead;  // the head's cell before the current move
  Direction WantedDirection = 0;
  Direction MoveDirection = 0;
  std::int16_t GroundGroup = 0;  // worm pictures of the ground under the head
  std::int16_t LengthCounter = 0;  // grows by one per step up to LengthTarget + 1
  std::int16_t LengthTarget = 0;
  std::uint8_t ExtraTailCut = 0;  // tail cells to remove in addition at the next step
  bool Killed = false;
  bool Finished = false;
  bool Quit = false;
  bool Exiting = false;     // going into an open exit
  bool RepeatMove = false;  // the move must be done again (portal, bounce)
  bool InputLocked = false;
  std::uint8_t WaterSteps = 0;
  std::uint8_t LavaSteps = 0;
  bool InWater = false;  // in water with scuba gear
  bool Parked = false;
  bool ExitTimed = false;  // exits opened by the bonus
  std::int16_t ExitTimer = 0;
  bool ExitFlashing = false;
  std::int16_t FoodLeft = 0;
  // The bonus kind (1..5) of each hidden bonus block, per playable cell.
  std::array<std::uint8_t, GroundWidth * GroundHeight> HiddenBonusMap{};
};

// Whether cell lies on the playfield at all (a head off the field does not).
inline bool OnField(CellPosition cell) { return cell.X >= 0 && cell.Y >= 0; }
