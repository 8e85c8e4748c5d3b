#include "route_planner.h"

#include "core/block_codes.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <queue>

namespace {

// What the search counts, in steps: a straight step costs StepCost and a
// diagonal one a little more, so that of two routes as short the straighter
// one is taken.
constexpr int StepCost = 64;
constexpr int DiagonalExtra = 1;
constexpr int ShieldPointCost = 40 * StepCost;
constexpr int SpinnerCost = 30 * StepCost;
constexpr int ParkingCost = 15 * StepCost;
// A one-way gate may be a way of no return: goals on this side come first.
constexpr int OneWayCost = 200 * StepCost;
// A route through a cell that the tail leaves only later than the head
// gets there: the steps to wait, each counted as two, up to a limit.
constexpr int WaitCost = 2 * StepCost;
constexpr int MaxWait = 60;
constexpr int FirstWaitStep = 4;
// Water without scuba gear drowns a worm that stays: every step in it is
// counted as a shield point, whatever the count of steps in a row.
constexpr int WaterStepCost = ShieldPointCost;
// Portals handing the head on to portals: the search follows a few.
constexpr int MaxPortalHops = 4;
constexpr int WaterCostSteps = 3;
constexpr int WaterCost = 3;
constexpr int ShodLavaCostSteps = 8;
// The room a first move must leave the head, beyond the worm's length.
constexpr int SpareRoom = 2;

constexpr int CellCount = TrackWidth * TrackHeight;
constexpr int SlideCount = DirectionCount + 1;
constexpr int RunCount = ShodLavaCostSteps;

bool Playable(CellPosition cell) {
  return cell.X >= 1 && cell.X <= GroundWidth && cell.Y >= 1 && cell.Y <= GroundHeight;
}

int Code(const TrackRecord& track, CellPosition cell) {
  return track.Blocks[BlockIndex(cell.X, cell.Y)];
}

int GroundOf(const TrackRecord& track, CellPosition cell) {
  return track.Ground[GroundIndex(cell.X, cell.Y)];
}

// The first other cell holding the same portal code; none without a partner.
std::optional<CellPosition> Partner(const TrackRecord& track, CellPosition portal, int code) {
  for (int x = 1; x <= GroundWidth; ++x)
    for (int y = 1; y <= GroundHeight; ++y)
      if (CellPosition other{x, y}; other != portal && Uncovered(Code(track, other)) == code)
        return other;
  return std::nullopt;
}

}  // namespace

bool Slippery(int ground) { return ground == Blocks::Ice || ground == Blocks::Lava; }

int Uncovered(int code) { return IsWormBody(code) ? code - Blocks::WormBody : code; }

std::size_t RoutePlanner::Index(const State& state) {
  const int cell = BlockIndex(state.Cell.X, state.Cell.Y);
  return (static_cast<std::size_t>(cell) * SlideCount + state.Slide) * RunCount + state.Run;
}

void RoutePlanner::Prepare(const PlanInput& input) {
  labels_.resize(static_cast<std::size_t>(CellCount) * SlideCount * RunCount);
  bodyOrder_.assign(CellCount, -1);
  for (std::size_t i = 0; i < input.Body.size(); ++i)
    bodyOrder_[BlockIndex(input.Body[i].X, input.Body[i].Y)] = static_cast<int>(i);
  std::array<int, KeyColourCount> doors{};
  bool water = false, lava = false;
  exitOpen_ = false;
  for (int x = 1; x <= GroundWidth; ++x)
    for (int y = 1; y <= GroundHeight; ++y) {
      const int code = Uncovered(Code(input.Track, {x, y}));
      if (IsDoorCode(code)) ++doors[KeyColour(static_cast<BlockCode>(code))];
      water = water || GroundOf(input.Track, {x, y}) == Blocks::Water;
      lava = lava || GroundOf(input.Track, {x, y}) == Blocks::Lava;
    }
  // Goal cells: the open exits, the food and the items that open more of
  // the track.
  goals_.assign(CellCount, false);
  const PlayState& play = input.Play;
  for (int x = 1; x <= GroundWidth; ++x)
    for (int y = 1; y <= GroundHeight; ++y) {
      const int code = Uncovered(Code(input.Track, {x, y}));
      bool goal = IsFoodCode(code) || code == Blocks::OpenExit;
      if (IsKeyCode(code)) {
        const int colour = KeyColour(static_cast<BlockCode>(code));
        goal = doors[colour] > play.Keys[colour];
      }
      goal = goal || (code == Blocks::ScubaGear && water && !play.HasScuba) ||
             (code == Blocks::Lavashoes && lava && !play.HasLavashoes);
      goals_[BlockIndex(x, y)] = goal;
      exitOpen_ = exitOpen_ || code == Blocks::OpenExit;
    }
}

bool RoutePlanner::BodyAt(const PlanInput& input, CellPosition cell, int steps) const {
  return StepsCovered(input, cell) > steps;
}

int RoutePlanner::StepsCovered(const PlanInput& input, CellPosition cell) const {
  const int order = bodyOrder_[BlockIndex(cell.X, cell.Y)];
  if (order < 0) return IsWormBody(Code(input.Track, cell)) ? CellCount : 0;
  // The tail stands still while the worm grows, then leaves a cell a step.
  return order + 1 + input.Growth;
}

RoutePlanner::Entry RoutePlanner::Enter(const PlanInput& input, CellPosition from, Direction move,
                                        Direction wanted, std::uint8_t run, int steps,
                                        bool mayWait) const {
  Entry entry;
  CellPosition next = StepPosition(move, from);
  for (int hop = 0; hop <= MaxPortalHops; ++hop) {
    if (!Playable(next)) return entry;
    int code = Code(input.Track, next);
    int wait = 0;
    if (IsWormBody(code)) {
      // A few steps ahead the worm can circle until its tail has gone.
      wait = StepsCovered(input, next) - steps;
      if (wait > 0 && (!mayWait || steps < FirstWaitStep || wait > MaxWait)) return entry;
      code = Uncovered(code);
    }
    if (IsHardWall(code) || code == Blocks::Border) return entry;
    if (IsDoorCode(code) && input.Play.Keys[KeyColour(static_cast<BlockCode>(code))] == 0)
      return entry;
    if (IsOneWayCode(code) &&
        (move != wanted || wanted != OneWayDirection(static_cast<BlockCode>(code))))
      return entry;
    if (IsPortalCode(code)) {
      if (const std::optional<CellPosition> partner = Partner(input.Track, next, code)) {
        next = StepPosition(move, *partner);
        continue;
      }
    }
    entry.Blocked = false;
    entry.Cell = next;
    entry.Delay = std::max(wait, 0) * WaitCost;
    entry.Exit = code == Blocks::OpenExit;
    if (code == Blocks::Mushroom) entry.Loss = 1;
    if (code == Blocks::Spinner) entry.Delay += SpinnerCost;
    if (code == Blocks::Parking) entry.Delay += ParkingCost;
    if (IsOneWayCode(code)) entry.Delay += OneWayCost;
    Resolve(input, entry, GroundOf(input.Track, from) == GroundOf(input.Track, next) ? run : 0);
    return entry;
  }
  return entry;
}

void RoutePlanner::Resolve(const PlanInput& input, Entry& entry, std::uint8_t run) const {
  const int ground = GroundOf(input.Track, entry.Cell);
  const PlayState& play = input.Play;
  entry.Run = 0;
  if (ground == Blocks::Water && !play.HasScuba) {
    entry.Delay += WaterStepCost;
    entry.Run = static_cast<std::uint8_t>(run + 1);
    if (entry.Run == WaterCostSteps) {
      entry.Loss += WaterCost;
      entry.Run = 0;
    }
  } else if (ground == Blocks::Lava && !play.HasLavashoes) {
    entry.Loss += 1;
  } else if (ground == Blocks::Lava) {
    entry.Run = static_cast<std::uint8_t>(run + 1);
    if (entry.Run == ShodLavaCostSteps) {
      entry.Loss += 1;
      entry.Run = 0;
    }
  }
}

std::optional<RoutePlanner::Label> RoutePlanner::Search(const PlanInput& input, State from,
                                                        int maxLoss, bool exitsOnly,
                                                        std::optional<Direction> onlyFirst) {
  ++stamp_;
  using Queued = std::pair<int, std::size_t>;
  std::priority_queue<Queued, std::vector<Queued>, std::greater<>> queue;
  const std::size_t start = Index(from);
  labels_[start] = {0, 0, 0, 0, stamp_};
  std::vector<std::pair<std::size_t, State>> known{{start, from}};
  queue.push({0, 0});
  std::optional<Label> best;
  while (!queue.empty()) {
    const auto [cost, which] = queue.top();
    queue.pop();
    const State state = known[which].second;
    const Label label = labels_[known[which].first];
    if (cost > label.Cost) continue;
    const bool root = which == 0;
    if (!root && !exitsOnly && goals_[BlockIndex(state.Cell.X, state.Cell.Y)] &&
        GoesOn(input, state, label.Steps + 1))
      return label;
    for (Direction wanted = 0; wanted < DirectionCount; ++wanted) {
      if (root && onlyFirst && wanted != *onlyFirst) continue;
      const Direction move = state.Slide == NoSlide ? wanted : state.Slide;
      if (!root && state.Slide != NoSlide && wanted != move && wanted == OppositeDirection(move))
        continue;  // never worth planning a reversal while sliding
      const Entry entry = Enter(input, state.Cell, move, wanted, state.Run, label.Steps + 1, true);
      if (entry.Blocked) continue;
      const int loss = label.Loss + entry.Loss;
      if (loss > maxLoss) continue;
      const int ground = GroundOf(input.Track, entry.Cell);
      const State next{entry.Cell, Slippery(ground) ? wanted : NoSlide, entry.Run};
      const int stepCost = move % 2 == 0 ? StepCost + DiagonalExtra : StepCost;
      const int nextCost = cost + stepCost + entry.Delay + entry.Loss * ShieldPointCost;
      if (entry.Exit) {
        if (!best || nextCost < best->Cost)
          best = Label{nextCost, label.Steps + 1, loss, root ? wanted : label.First, stamp_};
        continue;
      }
      const std::size_t index = Index(next);
      Label& knownLabel = labels_[index];
      if (knownLabel.Stamp == stamp_ && knownLabel.Cost <= nextCost) continue;
      knownLabel = {nextCost, label.Steps + 1, loss, root ? wanted : label.First, stamp_};
      known.push_back({index, next});
      queue.push({nextCost, known.size() - 1});
    }
    if (best && best->Cost <= cost) return best;
  }
  return best;
}

bool RoutePlanner::GoesOn(const PlanInput& input, const State& state, int steps) const {
  for (Direction wanted = 0; wanted < DirectionCount; ++wanted) {
    const Direction move = state.Slide == NoSlide ? wanted : state.Slide;
    if (!Enter(input, state.Cell, move, wanted, state.Run, steps).Blocked) return true;
  }
  return false;
}

int RoutePlanner::Room(const PlanInput& input, CellPosition next, int enough) const {
  std::vector<bool> seen(CellCount, false);
  std::vector<CellPosition> stack{next};
  seen[BlockIndex(next.X, next.Y)] = true;
  seen[BlockIndex(input.Head.X, input.Head.Y)] = true;
  int room = 0;
  while (!stack.empty() && room < enough) {
    const CellPosition cell = stack.back();
    stack.pop_back();
    ++room;
    for (Direction d = 0; d < DirectionCount; ++d) {
      const CellPosition n = StepPosition(d, cell);
      if (!Playable(n) || seen[BlockIndex(n.X, n.Y)]) continue;
      seen[BlockIndex(n.X, n.Y)] = true;
      const int code = Code(input.Track, n);
      if (IsWormBody(code) && BodyAt(input, n, 1)) continue;
      const int under = Uncovered(code);
      if (IsHardWall(under) || IsDoorCode(under) || IsOneWayCode(under) || under == Blocks::Border)
        continue;
      stack.push_back(n);
    }
  }
  return room;
}

bool RoutePlanner::Roomy(const PlanInput& input, CellPosition next) const {
  const int wanted = static_cast<int>(input.Body.size()) + SpareRoom;
  return Room(input, next, wanted) >= wanted;
}

std::optional<Direction> RoutePlanner::Wander(const PlanInput& input) const {
  // The most room, and of as much room the move nearest the tail: a worm
  // that follows its tail keeps its way open until the tail has cleared it.
  const CellPosition tail = input.Body.empty() ? input.Head : input.Body.front();
  std::optional<Direction> chosen;
  int bestRoom = -1;
  int bestDistance = 0;
  for (Direction wanted = 0; wanted < DirectionCount; ++wanted) {
    const Entry entry = Enter(input, input.Head, input.Sliding.value_or(wanted), wanted, 0, 1);
    if (entry.Blocked || entry.Loss > 0) continue;
    const int room = Room(input, entry.Cell, CellCount);
    const int distance =
        std::max(std::abs(entry.Cell.X - tail.X), std::abs(entry.Cell.Y - tail.Y));
    if (room > bestRoom || (room == bestRoom && distance < bestDistance)) {
      chosen = wanted;
      bestRoom = room;
      bestDistance = distance;
    }
  }
  return chosen;
}

std::optional<Direction> RoutePlanner::Plan(const PlanInput& input) {
  Prepare(input);
  const State from{input.Head, input.Sliding ? *input.Sliding : NoSlide, 0};
  const int shield = input.Play.Shield;
  // An open exit first; else the nearest goal that leaves a shield point,
  // else one the worm survives.
  const std::array<std::pair<int, bool>, 3> searches{
      {{std::max(shield - 1, 0), true}, {std::max(shield - 1, 0), false}, {shield, false}}};
  for (const auto& [maxLoss, exitsOnly] : searches) {
    if (exitsOnly && !exitOpen_) continue;
    const std::optional<Label> found = Search(input, from, maxLoss, exitsOnly, std::nullopt);
    if (!found) continue;
    const Direction first = found->First;
    const Direction move = input.Sliding.value_or(first);
    const Entry entry = Enter(input, input.Head, move, first, 0, 1);
    if (entry.Exit || Roomy(input, entry.Cell)) return first;
    // The best route is a trap: take the best first move that leaves room.
    std::optional<Label> safest;
    for (Direction wanted = 0; wanted < DirectionCount; ++wanted) {
      const Entry other = Enter(input, input.Head, input.Sliding.value_or(wanted), wanted, 0, 1);
      if (other.Blocked || !(other.Exit || Roomy(input, other.Cell))) continue;
      const std::optional<Label> via = Search(input, from, maxLoss, exitsOnly, wanted);
      if (via && (!safest || via->Cost < safest->Cost)) safest = via;
    }
    if (safest) return safest->First;
    return first;
  }
  return Wander(input);
}
