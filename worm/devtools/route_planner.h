#pragma once

#include "core/direction.h"
#include "core/play_state.h"
#include "core/track_database.h"

#include <cstdint>
#include <optional>
#include <vector>

// Whether a ground makes the worm slide: a turn takes effect a step late.
bool Slippery(int ground);
// The code of a cell once the worm has left it.
int Uncovered(int code);

// What the planner knows at the start of a step: the play copy with the
// worm's cells marked, the player's items and the worm as it was last seen.
struct PlanInput {
  const TrackRecord& Track;
  const PlayState& Play;
  // The worm's marked cells, tail first, head last.
  const std::vector<CellPosition>& Body;
  CellPosition Head;
  // The move this step makes whatever is held: set when the head slides on
  // ice or lava, where a turn takes effect one step late.
  std::optional<Direction> Sliding;
  // Steps in which the tail stands still (the worm still grows).
  int Growth = 0;
};

// Plans the worm's way over the cells of a track, again at every step:
// into an open exit when there is one, else to the nearest food or to an
// item that opens more of the track (a key for a closed door, the scuba
// gear, the lava shoes). Hard walls, closed doors, one-ways against their
// arrow and the worm's own body (until its tail has left a cell) stop a
// route; water without scuba gear, lava and mushrooms cost shield, and
// spinners, parking blocks and one-way gates (which may not lead back) cost
// time. A route that would cost the whole shield is not taken, a goal where
// the worm would slide into a wall is none, and a first move that leaves the
// head less room than the worm's length is avoided. With no goal in reach
// the worm keeps to the most room, near its tail.
class RoutePlanner {
 public:
  // The wanted direction for the coming step; none when every move bounces.
  std::optional<Direction> Plan(const PlanInput& input);

 private:
  // A state of the search: a cell, the move already fixed for the next step
  // (NoSlide when none) and the steps in a row on water or lava.
  struct State {
    CellPosition Cell;
    std::uint8_t Slide = 0;
    std::uint8_t Run = 0;
  };
  // The best way found to a state.
  struct Label {
    int Cost = 0;
    int Steps = 0;
    int Loss = 0;  // shield points
    Direction First = 0;
    std::uint32_t Stamp = 0;
  };
  // Where a move ends and what it costs; Blocked when it bounces.
  struct Entry {
    bool Blocked = true;
    bool Exit = false;
    CellPosition Cell;
    int Loss = 0;
    int Delay = 0;
    std::uint8_t Run = 0;
  };

  static constexpr std::uint8_t NoSlide = DirectionCount;

  // Searches from the head for the nearest goal (an open exit, with
  // exitsOnly) with at most maxLoss shield points lost and only the given
  // first move, if any; gives the label of the way there.
  std::optional<Label> Search(const PlanInput& input, State from, int maxLoss, bool exitsOnly,
                              std::optional<Direction> onlyFirst);
  // Where moving from a cell ends (through portals) and what it costs, with
  // `steps` steps of the plan done when it is entered; mayWait lets a route
  // a few steps ahead pass a body cell that its tail leaves later.
  Entry Enter(const PlanInput& input, CellPosition from, Direction move, Direction wanted,
              std::uint8_t run, int steps, bool mayWait = false) const;
  // Whether the worm still covers cell after `steps` steps.
  bool BodyAt(const PlanInput& input, CellPosition cell, int steps) const;
  // The steps until the worm no longer covers cell (0 when it does not).
  int StepsCovered(const PlanInput& input, CellPosition cell) const;
  // The shield cost and the water or lava count of the ground entered.
  void Resolve(const PlanInput& input, Entry& entry, std::uint8_t run) const;
  // Whether a worm in state has a move after `steps` steps: a goal where
  // it would slide into a wall or its body is no goal.
  bool GoesOn(const PlanInput& input, const State& state, int steps) const;
  // The free cells the head at next can reach, counted up to enough.
  int Room(const PlanInput& input, CellPosition next, int enough) const;
  // Whether the head at next has room for the whole worm.
  bool Roomy(const PlanInput& input, CellPosition next) const;
  // The harmless first move with the most room, for a worm with no goal in
  // reach (it waits for its tail to clear the way).
  std::optional<Direction> Wander(const PlanInput& input) const;
  // The body's order and the goal cells of this step.
  void Prepare(const PlanInput& input);
  static std::size_t Index(const State& state);

  std::vector<Label> labels_;
  std::uint32_t stamp_ = 0;
  // Per cell of the block layer: the body part's place from the tail (-1 none).
  std::vector<int> bodyOrder_;
  // Per cell of the block layer: whether it is a goal this step.
  std::vector<bool> goals_;
  bool exitOpen_ = false;
};
