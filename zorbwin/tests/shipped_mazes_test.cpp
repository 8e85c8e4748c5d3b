#include <gtest/gtest.h>

#include <QFileInfo>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/level_file.h"
#include "core/maze.h"

namespace {

using Cell = std::pair<int, int>;  // column, row

Cell CellOf(int x, int y) { return {PixelColumn(x), PixelRow(y)}; }

bool Open(const Maze& maze, Cell cell) { return CellAt(maze, cell.first, cell.second) != CellWall; }

bool Corridor(const Maze& maze, Cell cell) {
  CellCode code = CellAt(maze, cell.first, cell.second);
  return code == CellCorridor || code == CellDot;
}

std::vector<Cell> Neighbours(Cell cell) {
  auto [c, r] = cell;
  return {{c - 1, r}, {c + 1, r}, {c, r - 1}, {c, r + 1}};
}

// Corridor cells reached from start through corridor cells.
std::set<Cell> Reachable(const Maze& maze, Cell start) {
  std::set<Cell> seen{start};
  std::vector<Cell> open{start};
  while (!open.empty()) {
    Cell cell = open.back();
    open.pop_back();
    for (Cell next : Neighbours(cell)) {
      if (Corridor(maze, next) && seen.insert(next).second) open.push_back(next);
    }
  }
  return seen;
}

class ShippedMazesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QFileInfo shipped(ZORBWIN_LEVEL_FILE_PATH);
    file_ = OpenLevelFile(shipped.fileName(), {shipped.path()});
    ASSERT_TRUE(file_) << ZORBWIN_LEVEL_FILE_PATH;
    for (int level = 0; level < file_->levelCount; ++level) {
      Maze maze;
      ASSERT_EQ(ReadLevel(*file_, maze.cells, level), LevelRead) << level;
      mazes_.push_back(maze);
    }
  }

  std::unique_ptr<LevelFile> file_;
  std::vector<Maze> mazes_;
};

TEST_F(ShippedMazesTest, SixDifferentMazesAtLeast) {
  ASSERT_GE(mazes_.size(), 6u);
  std::set<std::string> distinct;
  for (const Maze& maze : mazes_)
    distinct.insert(std::string(maze.cells.begin(), maze.cells.end()));
  EXPECT_EQ(distinct.size(), mazes_.size());
}

TEST_F(ShippedMazesTest, BorderIsClosed) {
  for (size_t level = 0; level < mazes_.size(); ++level) {
    for (int i = 0; i < MazeColumns; ++i) {
      for (Cell cell : {Cell{i, 0}, Cell{i, MazeRows - 1}, Cell{0, i}, Cell{MazeColumns - 1, i}}) {
        EXPECT_EQ(CellAt(mazes_[level], cell.first, cell.second), CellWall)
            << "level " << level << " cell " << cell.first << "," << cell.second;
      }
    }
  }
}

// The chasers start inside the house, leave it leftward along their row
// until the "3" cell ahead turns them up through the gate, and come back as
// eyes to (180, 240) above the gate and down to y = 180.
TEST_F(ShippedMazesTest, HouseFitsTheChasersWay) {
  const Cell target = CellOf(180, 240);
  const Cell gate = CellOf(180, 220);
  const Cell exitTurn = CellOf(176, 200);  // ahead of a chaser at x = 180
  const Cell homeStop = CellOf(180, 180);
  for (size_t level = 0; level < mazes_.size(); ++level) {
    const Maze& maze = mazes_[level];
    SCOPED_TRACE("level " + std::to_string(level));
    EXPECT_TRUE(Corridor(maze, target));
    EXPECT_EQ(CellAt(maze, gate.first, gate.second), CellGate);
    EXPECT_EQ(CellAt(maze, exitTurn.first, exitTurn.second), CellHouseExit);
    EXPECT_EQ(CellAt(maze, homeStop.first, homeStop.second), CellHouse);
    for (int x = 172; x <= 184 + 19; ++x) {
      CellCode code = CellAtPixel(maze, x, 200);
      EXPECT_TRUE(code == CellHouse || code == CellHouseExit) << "chaser start x " << x;
    }
    int gates = 0, exits = 0;
    for (int r = 0; r < MazeRows; ++r) {
      for (int c = 0; c < MazeColumns; ++c) {
        CellCode code = CellAt(maze, c, r);
        gates += code == CellGate;
        exits += code == CellHouseExit;
        if (code != CellHouse && code != CellHouseExit) continue;
        for (Cell next : Neighbours({c, r})) {
          EXPECT_FALSE(Corridor(maze, next)) << "house open at " << c << "," << r;
        }
      }
    }
    EXPECT_EQ(gates, 1);
    EXPECT_EQ(exits, 1);
  }
}

TEST_F(ShippedMazesTest, StartPlacesLieOnCorridors) {
  const std::vector<std::pair<int, int>> places = {{180, 120}, {160, 120}, {20, 20},
                                                   {340, 20},  {20, 340},  {340, 340}};
  for (size_t level = 0; level < mazes_.size(); ++level) {
    for (auto [x, y] : places) {
      EXPECT_TRUE(Corridor(mazes_[level], CellOf(x, y)))
          << "level " << level << " at " << x << "," << y;
    }
  }
}

// Every corridor cell has two ways out at least, corridors are one cell
// wide, and the player can reach every dot.
TEST_F(ShippedMazesTest, CorridorsHaveNoDeadEndsAndReachEveryDot) {
  for (size_t level = 0; level < mazes_.size(); ++level) {
    const Maze& maze = mazes_[level];
    std::set<Cell> reached = Reachable(maze, CellOf(180, 120));
    int dots = 0;
    for (int r = 0; r < MazeRows; ++r) {
      for (int c = 0; c < MazeColumns; ++c) {
        if (!Corridor(maze, {c, r})) continue;
        int ways = 0;
        for (Cell next : Neighbours({c, r})) ways += Open(maze, next);
        EXPECT_GE(ways, 2) << "level " << level << " dead end at " << c << "," << r;
        bool wide = Corridor(maze, {c + 1, r}) && Corridor(maze, {c, r + 1}) &&
                    Corridor(maze, {c + 1, r + 1});
        EXPECT_FALSE(wide) << "level " << level << " wide corridor at " << c << "," << r;
        EXPECT_TRUE(reached.count({c, r})) << "level " << level << " unreachable " << c << "," << r;
        dots += CellAt(maze, c, r) == CellDot;
      }
    }
    EXPECT_GT(dots, 100) << "level " << level;
  }
}

}  // namespace
