#include <gtest/gtest.h>

#include <vector>

#include "win_tests.h"

namespace {

enum class Test { Vertical, Horizontal, Diagonals };

struct WinCase {
  const char* name;
  std::vector<int> red;  // the cell just filled is one of these
  std::vector<int> blue;
  int filled;
  Test test;
  bool found;
  int from;
  int to;
};

bool RunTest(Test test, const Board& board, int i, WinnerLine& line) {
  switch (test) {
    case Test::Vertical:
      return CheckVertical(board, i, line);
    case Test::Horizontal:
      return CheckHorizontal(board, i, line);
    case Test::Diagonals:
      break;
  }
  return CheckDiagonals(board, i, line);
}

const WinCase kCases[] = {
    {"vertical from the top disk", {21, 28, 35, 42}, {}, 21, Test::Vertical, true, 21, 42},
    {"vertical in the last column", {6, 13, 20, 27}, {}, 6, Test::Vertical, true, 6, 27},
    {"vertical three only", {28, 35, 42}, {}, 28, Test::Vertical, false, 0, 0},
    {"vertical below a blue", {21, 35, 42}, {28}, 21, Test::Vertical, false, 0, 0},
    {"horizontal at its left end", {42, 43, 44, 45}, {}, 42, Test::Horizontal, true, 42, 45},
    {"horizontal second cell", {42, 43, 44, 45}, {}, 43, Test::Horizontal, true, 42, 45},
    {"horizontal third cell", {42, 43, 44, 45}, {}, 44, Test::Horizontal, true, 45, 42},
    {"horizontal at its right end", {42, 43, 44, 45}, {}, 45, Test::Horizontal, true, 45, 42},
    {"cells 3 to 6 completed at 5", {3, 4, 5, 6}, {}, 5, Test::Horizontal, true, 6, 3},
    {"five in a row: the last window decides", {42, 43, 44, 45, 46}, {}, 44,
     Test::Horizontal, true, 45, 42},
    {"across two rows is no four", {5, 6, 7, 8}, {}, 6, Test::Horizontal, false, 0, 0},
    {"across two rows, from the left", {5, 6, 7, 8}, {}, 7, Test::Horizontal, false, 0, 0},
    {"broken by blue", {42, 43, 45}, {44}, 45, Test::Horizontal, false, 0, 0},
    {"down right from its top", {14, 22, 30, 38}, {}, 14, Test::Diagonals, true, 14, 38},
    {"down right second cell", {14, 22, 30, 38}, {}, 22, Test::Diagonals, true, 14, 38},
    {"down right third cell", {14, 22, 30, 38}, {}, 30, Test::Diagonals, true, 14, 38},
    {"down right from its bottom", {14, 22, 30, 38}, {}, 38, Test::Diagonals, true, 38, 14},
    {"up right from its bottom", {27, 33, 39, 45}, {}, 45, Test::Diagonals, true, 45, 27},
    {"up right third cell", {27, 33, 39, 45}, {}, 39, Test::Diagonals, true, 27, 45},
    {"up right second cell", {27, 33, 39, 45}, {}, 33, Test::Diagonals, true, 27, 45},
    {"up right from its top", {27, 33, 39, 45}, {}, 27, Test::Diagonals, true, 27, 45},
    {"diagonal wrapping a row is no four", {5, 13, 21, 29}, {}, 29, Test::Diagonals, false, 0, 0},
    {"diagonal three only", {14, 22, 30}, {38}, 30, Test::Diagonals, false, 0, 0},
};

void PrintTo(const WinCase& c, std::ostream* out) { *out << c.name; }

class WinTests : public testing::TestWithParam<WinCase> {};

TEST_P(WinTests, FindsTheFourAndItsLine) {
  const WinCase& c = GetParam();
  Board board;
  for (int cell : c.red) board[cell] = kRedMark;
  for (int cell : c.blue) board[cell] = kBlueMark;
  WinnerLine line;
  EXPECT_EQ(RunTest(c.test, board, c.filled, line), c.found);
  EXPECT_EQ(line.visible, c.found);
  if (c.found) {
    EXPECT_EQ(line.from, c.from);
    EXPECT_EQ(line.to, c.to);
  }
}

INSTANTIATE_TEST_SUITE_P(Boards, WinTests, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<WinCase>& info) {
                           std::string name = info.param.name;
                           for (char& ch : name) {
                             if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           }
                           return name;
                         });

TEST(WinTests, ATestThatFindsNothingLeavesTheLineAlone) {
  Board board;
  board[42] = kRedMark;
  WinnerLine line{3, 6, true};
  EXPECT_FALSE(CheckHorizontal(board, 42, line));
  EXPECT_FALSE(CheckDiagonals(board, 42, line));
  EXPECT_FALSE(CheckVertical(board, 42, line));
  EXPECT_EQ(line.from, 3);
  EXPECT_EQ(line.to, 6);
}

}  // namespace
