#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

#include "computer/easy_level.h"
#include "computer/hard_level.h"
#include "computer/medium_level.h"
#include "computer/position.h"
#include "game.h"
#include "play.h"

namespace {

// A judge apart from the computer's own code: the game's board and win tests.
class Judge {
 public:
  explicit Judge(const std::string& columns) {
    Play(game_, columns);
    board_ = game_.board();
    mark_ = game_.RedDisk().enabled ? kRedMark : kBlueMark;
    other_ = mark_ == kRedMark ? kBlueMark : kRedMark;
  }

  Position ToMove() const { return Position::FromBoard(board_, mark_); }
  bool IsOver() const { return game_.WinnerShown(); }

  // Whether the side to move can make four with at most this many of its
  // disks, whatever the other side does.
  bool ForcesFour(int moves) { return Forces(mark_, other_, moves); }

  // The columns after which the side to move makes four with at most `moves`
  // disks in all, whatever the other side does.
  std::set<int> ForcingColumns(int moves) {
    return ColumnsAfter(
        [&](int cell) { return MakesFour(cell) || AllRepliesLose(mark_, other_, moves - 1); });
  }

  // The columns after which the other side cannot force four with at most `moves` disks.
  std::set<int> SafeColumns(int moves) {
    return ColumnsAfter([&](int) { return !Forces(other_, mark_, moves); });
  }

  std::set<int> PlayableColumns() {
    return ColumnsAfter([](int) { return true; });
  }

 private:
  // The playable columns where a disk of the side to move passes the test,
  // given the cell it lands in.
  template <typename Test>
  std::set<int> ColumnsAfter(Test test) {
    std::set<int> columns;
    for (int column = 0; column < kColumns; ++column) {
      const int cell = Landing(column);
      if (cell < 0) continue;
      board_[cell] = mark_;
      if (test(cell)) columns.insert(column);
      board_[cell] = "";
    }
    return columns;
  }

  int Landing(int column) const {
    for (int cell = column + kBottomRow; cell >= 0; cell -= kColumns) {
      if (board_[cell].empty()) return cell;
    }
    return -1;
  }

  bool MakesFour(int cell) const {
    WinnerLine line;
    const bool vertical = CheckVertical(board_, cell, line);
    const bool horizontal = CheckHorizontal(board_, cell, line);
    return vertical || horizontal || CheckDiagonals(board_, cell, line);
  }

  bool Forces(const std::string& mover, const std::string& other, int moves) {
    if (moves == 0) return false;
    for (int column = 0; column < kColumns; ++column) {
      const int cell = Landing(column);
      if (cell < 0) continue;
      board_[cell] = mover;
      const bool wins = MakesFour(cell) || AllRepliesLose(mover, other, moves - 1);
      board_[cell] = "";
      if (wins) return true;
    }
    return false;
  }

  // Whether every answer of the other side still lets the mover force four.
  bool AllRepliesLose(const std::string& mover, const std::string& other, int moves) {
    if (moves == 0) return false;
    bool answered = false;
    for (int column = 0; column < kColumns; ++column) {
      const int cell = Landing(column);
      if (cell < 0) continue;
      answered = true;
      board_[cell] = other;
      const bool lost = !MakesFour(cell) && Forces(mover, other, moves);
      board_[cell] = "";
      if (!lost) return false;
    }
    return answered;
  }

  Game game_;
  Board board_;
  std::string mark_;
  std::string other_;
};

TEST(Position, AgreesWithTheGameOnFoursAndFullColumns) {
  std::mt19937 random(17);
  for (int played = 0; played < 300; ++played) {
    Game game;
    Position position;
    MoveResult result = MoveResult::Landed;
    while (result == MoveResult::Landed || result == MoveResult::ColumnFull) {
      const int column = static_cast<int>(random() % kColumns);
      ASSERT_EQ(position.CanPlay(column), game.LandingCell(column) >= 0);
      const bool four = position.CanPlay(column) && position.IsWinningMove(column);
      result = game.Move(column, game.RedDisk().enabled ? Disk::Red : Disk::Blue);
      ASSERT_EQ(four, result == MoveResult::Won);
      if (result == MoveResult::ColumnFull) continue;
      position.Play(column);
      const std::string& mark = position.MoveCount() % 2 == 0 ? kRedMark : kBlueMark;
      ASSERT_EQ(Position::FromBoard(game.board(), mark).Key(), position.Key());
      ASSERT_EQ(position.MoveCount(), game.MoveCount());
    }
  }
}

struct TacticCase {
  const char* name;
  std::string columns;
  int column;
};

void PrintTo(const TacticCase& c, std::ostream* out) { *out << c.name; }

class EasyAndMediumLevels : public testing::TestWithParam<TacticCase> {};

TEST_P(EasyAndMediumLevels, TakeTheFourOrBlockTheOtherSidesWhateverTheirLuck) {
  Judge judge(GetParam().columns);
  ASSERT_FALSE(judge.IsOver());
  for (std::uint32_t seed = 0; seed < 20; ++seed) {
    std::mt19937 random(seed);
    EXPECT_EQ(ChooseEasy(judge.ToMove(), random), GetParam().column) << "seed " << seed;
    EXPECT_EQ(ChooseMedium(judge.ToMove(), random), GetParam().column) << "seed " << seed;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Positions, EasyAndMediumLevels,
    testing::Values(TacticCase{"WinsUpAColumn", "616160", 6},
                    TacticCase{"WinsAlongTheBottomRow", "001122", 3},
                    TacticCase{"WinsIntoTheGapOfARow", "061635", 2},
                    TacticCase{"WinsOnADiagonal", "3102132326", 3},
                    TacticCase{"WinsRatherThanBlocks", "010101", 0},
                    TacticCase{"BlocksUpAColumn", "40404", 4},
                    TacticCase{"BlocksAlongARow", "06162", 3},
                    TacticCase{"BlocksADiagonal", "310213232", 3}),
    [](const testing::TestParamInfo<TacticCase>& info) { return std::string(info.param.name); });

TEST(EasyLevel, OtherwisePlaysAtRandom) {
  std::mt19937 random(5);
  std::set<int> chosen;
  for (int n = 0; n < 200; ++n) chosen.insert(ChooseEasy(Position(), random));
  EXPECT_EQ(chosen.size(), static_cast<std::size_t>(kColumns));
}

// The hard level without a clock: deep enough for every case, and never endless.
int ChooseHardWithoutClock(const Position& position, const std::atomic<bool>* stop = nullptr) {
  TranspositionTable table(16);
  return ChooseHard(position, table, SearchLimits{SearchLimits::Clock::time_point::max(), stop},
                    9);
}

class HardLevelWins : public testing::TestWithParam<std::string> {};

TEST_P(HardLevelWins, FindsTheForcedWinInThreeMoves) {
  Judge judge(GetParam());
  ASSERT_FALSE(judge.ForcesFour(2));
  const std::set<int> winning = judge.ForcingColumns(3);
  ASSERT_FALSE(winning.empty());
  EXPECT_TRUE(winning.contains(ChooseHardWithoutClock(judge.ToMove())));
}

INSTANTIATE_TEST_SUITE_P(Positions, HardLevelWins,
                         testing::Values("2410260036", "14441605600145", "312265453316255",
                                         "3353151462246"));

class HardLevelDefends : public testing::TestWithParam<std::string> {};

TEST_P(HardLevelDefends, AvoidsTheForcedLoss) {
  Judge judge(GetParam());
  const std::set<int> safe = judge.SafeColumns(3);
  ASSERT_FALSE(safe.empty());
  ASSERT_NE(safe, judge.PlayableColumns());
  EXPECT_TRUE(safe.contains(ChooseHardWithoutClock(judge.ToMove())));
}

INSTANTIATE_TEST_SUITE_P(Positions, HardLevelDefends,
                         testing::Values("332", "622551353135032", "0662526555100643",
                                         "030321125224"));

TEST(HardLevel, AnswersAtOnceWhenStopped) {
  const std::atomic<bool> stop{true};
  TranspositionTable table(16);
  const SearchLimits limits{SearchLimits::Clock::time_point::max(), &stop};
  EXPECT_TRUE(Position().CanPlay(ChooseHard(Position(), table, limits)));
}

}  // namespace
