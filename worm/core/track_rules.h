#pragma once

#include "core/block_codes.h"
#include "core/direction.h"
#include "core/track_database.h"
#include "core/worm_state.h"

#include <cstdint>
#include <optional>

class frmWorm;

// ChooseFreeDirection's answer when every way but back is blocked.
constexpr int NoFreeDirection = 22;

// The reactions of the cells of the play copy when the worm's head enters
// them, and the random placements of play. Works on the game window's play
// copy, play state and playfield, and on the worm of the running track.
class TrackRules {
 public:
  TrackRules(frmWorm& form, WormState& worm);

  // What the block in the head's new cell does (keys, food, doors, walls...).
  void EnterBlock(CellPosition cell);
  // What the ground under the head's new cell does: picture group, water
  // and lava counters and their sounds.
  void ApplyGround(CellPosition cell);
  // The head's cell goes back to its ground (only for playable cells).
  void ClearHeadCell();
  // Damage and obstacles: a bounce sends the worm off in a free direction
  // from its previous cell; the cost comes off the shield; an empty shield
  // or a cost above it kills.
  void Hit(bool bounce, std::uint8_t cost, bool withSound);
  // A random free way out of cell other than back against d, locking the
  // input for the following step; NoFreeDirection when there is none.
  int ChooseFreeDirection(Direction d, CellPosition cell);
  // Another cell holding portal code, chosen at random, with the move marked
  // to be repeated from there; none when the portal has no partner.
  std::optional<CellPosition> PortalExit(BlockCode code);
  // Every playable cell holding `from` shows `to`; with store it holds `to`
  // too, and a cell under the worm holding from + 100 holds to + 100.
  void ReplaceBlocks(BlockCode from, BlockCode to, bool store);
  // Puts up to n random food items (or mushrooms) on free ground.
  void ScatterFood(int n);
  // Hides up to n bonus blocks on free ground, undrawn; gives the number placed.
  int PlaceHiddenBonuses(int n);
  // Gives the bonus recorded for a hidden bonus block just found.
  void RevealHiddenBonus(CellPosition cell);
  // The last food is eaten: sound 25, every closed exit opens and flashes.
  void OpenExits();

 private:
  BlockCode& Cell(CellPosition cell);
  BlockCode GroundAt(CellPosition cell) const;
  void PickUpKey(BlockCode key);
  void PickUpItem(BlockCode item, bool& flag, int headlineX);
  void EatFood(BlockCode food);
  void EnterPortal(BlockCode portal);
  void EnterSpinner(CellPosition cell);
  void EnterDoor(BlockCode door);
  void EnterOpenExit();
  void FindHiddenBonus(CellPosition cell);
  bool IsFree(CellPosition cell, Direction way) const;
  void TakeShield(std::uint8_t cost);
  void HitSound();
  void EatSound();
  void Water();
  void Lava();
  CellPosition RandomFreeGround();
  int Draw(int n);

  frmWorm& form_;
  WormState& worm_;
  TrackRecord& track_;
};

// The number of food cells (Popcorn to Hamburger) among a track's playable cells.
std::int16_t CountFood(const TrackRecord& track);
// The number of playable cells whose block is a ground code.
int CountFreeGround(const TrackRecord& track);
