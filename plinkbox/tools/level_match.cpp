// Plays matches between the computer's levels and prints their results and
// how long each level thinks about a move.
//
//   plinkbox_level_match [GAMES] [SEED]
//
// Every game starts from a random opening of one red and one blue disk; the
// two levels of a match take red and blue in turns.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "computer/computer.h"

namespace {

using Clock = std::chrono::steady_clock;

// How long a level took for its moves, on the clock and in processor time:
// on a busy machine the two part.
struct MoveTimes {
  long moves = 0;
  double totalMs = 0;
  double slowestMs = 0;
  double processorMs = 0;

  void Add(double ms, double processor) {
    ++moves;
    totalMs += ms;
    slowestMs = std::max(slowestMs, ms);
    processorMs += processor;
  }
};

// The processor time this program has used, in milliseconds.
double ProcessorMs() { return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

// Games a match's first level won and lost, and the draws; also its wins
// with red and with blue.
struct MatchResult {
  int wins = 0;
  int losses = 0;
  int draws = 0;
  int winsAsRed = 0;
  int winsAsBlue = 0;
};

const char* NameOf(ComputerLevel level) {
  switch (level) {
    case ComputerLevel::Easy:
      return "Easy";
    case ComputerLevel::Medium:
      return "Medium";
    case ComputerLevel::Hard:
      return "Hard";
    case ComputerLevel::Off:
      break;
  }
  return "Off";
}

// Drops one random disk; tells whether it made four.
bool PlayRandom(Position& position, std::mt19937& random) {
  std::uniform_int_distribution<int> pick(0, kColumns - 1);
  int column = pick(random);
  while (!position.CanPlay(column)) column = pick(random);
  const bool four = position.IsWinningMove(column);
  position.Play(column);
  return four;
}

// One game from a random opening; +1 when red wins, -1 when blue wins, 0 for a full board.
int PlayGame(ComputerLevel red, ComputerLevel blue, Computer& redComputer,
             Computer& blueComputer, std::mt19937& random, MoveTimes times[]) {
  Position position;
  PlayRandom(position, random);
  PlayRandom(position, random);
  const std::atomic<bool> stop{false};
  while (position.MoveCount() < kCells) {
    const bool redMoves = position.MoveCount() % 2 == 0;
    const ComputerLevel level = redMoves ? red : blue;
    const Clock::time_point start = Clock::now();
    const double processorStart = ProcessorMs();
    const int column = (redMoves ? redComputer : blueComputer).ChooseColumn(level, position, stop);
    times[static_cast<int>(level)].Add(
        std::chrono::duration<double, std::milli>(Clock::now() - start).count(),
        ProcessorMs() - processorStart);
    if (position.IsWinningMove(column)) return redMoves ? 1 : -1;
    position.Play(column);
  }
  return 0;
}

MatchResult PlayMatch(ComputerLevel first, ComputerLevel second, int games, std::uint32_t seed,
                      MoveTimes times[]) {
  std::mt19937 random(seed);
  Computer firstComputer(seed + 1);
  Computer secondComputer(seed + 2);
  MatchResult result;
  for (int game = 0; game < games; ++game) {
    const bool firstIsRed = game % 2 == 0;
    const int outcome =
        firstIsRed ? PlayGame(first, second, firstComputer, secondComputer, random, times)
                   : -PlayGame(second, first, secondComputer, firstComputer, random, times);
    if (outcome > 0) {
      ++result.wins;
      ++(firstIsRed ? result.winsAsRed : result.winsAsBlue);
    }
    if (outcome < 0) ++result.losses;
    if (outcome == 0) ++result.draws;
  }
  return result;
}

void PrintMatch(ComputerLevel first, ComputerLevel second, int games, const MatchResult& result) {
  std::printf(
      "%-6s against %-6s %3d games: %3d won (%d as red, %d as blue), %3d lost, %3d drawn\n",
      NameOf(first), NameOf(second), games, result.wins, result.winsAsRed, result.winsAsBlue,
      result.losses, result.draws);
  std::fflush(stdout);
}

void PrintTimes(const MoveTimes times[]) {
  for (ComputerLevel level : {ComputerLevel::Easy, ComputerLevel::Medium, ComputerLevel::Hard}) {
    const MoveTimes& t = times[static_cast<int>(level)];
    if (t.moves == 0) continue;
    std::printf(
        "%-6s %6ld moves, %8.3f ms a move on average (%8.3f ms of processor), slowest %8.3f ms\n",
        NameOf(level), t.moves, t.totalMs / t.moves, t.processorMs / t.moves, t.slowestMs);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
  const auto seed = static_cast<std::uint32_t>(argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1);
  MoveTimes times[4];
  const ComputerLevel matches[][2] = {{ComputerLevel::Medium, ComputerLevel::Easy},
                                      {ComputerLevel::Hard, ComputerLevel::Medium}};
  for (const auto& match : matches) {
    PrintMatch(match[0], match[1], games, PlayMatch(match[0], match[1], games, seed, times));
  }
  PrintTimes(times);
  return 0;
}
