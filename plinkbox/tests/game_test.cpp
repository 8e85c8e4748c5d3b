#include <gtest/gtest.h>

#include <string>

#include "game.h"
#include "play.h"

namespace {

TEST(Game, NewGameHasRedToMoveOnAnEmptyBoard) {
  Game game;
  EXPECT_EQ(game.MoveCount(), 0);
  for (int i = 0; i < kCells; ++i) {
    EXPECT_EQ(game.CellPicture(i), Picture::BullsEye);
    EXPECT_EQ(game.board()[i], "");
  }
  EXPECT_EQ(Controls(game), "red enabled+border, blue disabled, GO red");
  EXPECT_FALSE(game.WinnerShown());
  EXPECT_FALSE(game.Line().visible);
}

TEST(Game, DisksStackFromTheBottomOfTheColumn) {
  Game game;
  EXPECT_EQ(Play(game, "33"), MoveResult::Landed);
  EXPECT_EQ(game.board()[45], kRedMark);
  EXPECT_EQ(game.board()[38], kBlueMark);
  EXPECT_EQ(game.CellPicture(45), Picture::Red);
  EXPECT_EQ(game.CellPicture(38), Picture::Blue);
  EXPECT_EQ(game.CellPicture(31), Picture::BullsEye);
  EXPECT_EQ(game.MoveCount(), 2);
}

TEST(Game, TurnPassesAndOnlyTheBlueDiskGetsItsBorderBack) {
  Game game;
  Play(game, "0");
  EXPECT_EQ(Controls(game), "red disabled, blue enabled+border, GO blue");
  Play(game, "1");
  EXPECT_EQ(Controls(game), "red enabled, blue disabled, GO red");
  Play(game, "2");
  EXPECT_EQ(Controls(game), "red disabled, blue enabled+border, GO blue");
}

TEST(Game, AFullColumnLeavesBoardAndTurnAsTheyWere) {
  Game game;
  Play(game, "0000000");
  const Board before = game.board();
  EXPECT_EQ(game.Move(0, Disk::Blue), MoveResult::ColumnFull);
  EXPECT_EQ(game.board(), before);
  EXPECT_EQ(game.MoveCount(), 7);
  EXPECT_EQ(Controls(game), "red disabled, blue enabled+border, GO blue");
  EXPECT_EQ(game.Move(1, Disk::Blue), MoveResult::Landed);
}

struct WinCase {
  const char* name;
  std::string columns;
  std::string text;
  int from;
  int to;
};

void PrintTo(const WinCase& c, std::ostream* out) { *out << c.name; }

class GameWins : public testing::TestWithParam<WinCase> {};

TEST_P(GameWins, EndsTheGameWithTheWinnerAndTheLine) {
  Game game;
  const WinCase& c = GetParam();
  EXPECT_EQ(Play(game, c.columns), MoveResult::Won);
  EXPECT_TRUE(game.WinnerShown());
  EXPECT_EQ(game.WinnerText(), c.text);
  EXPECT_TRUE(game.Line().visible);
  EXPECT_EQ(game.Line().from, c.from);
  EXPECT_EQ(game.Line().to, c.to);
  EXPECT_EQ(Controls(game).find("enabled"), std::string::npos);
  EXPECT_EQ(Controls(game).find("GO"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Games, GameWins,
    testing::Values(WinCase{"RedVertical", "0101010", "PLAYER 1\r\n   WINS!", 21, 42},
                    WinCase{"RedHorizontal", "0616263", "PLAYER 1\r\n   WINS!", 45, 42},
                    WinCase{"BlueHorizontal", "60516253", "PLAYER 2\r\n   WINS!", 45, 42},
                    WinCase{"HorizontalAndDiagonalKeepTheDiagonal", kDoubleFourGame,
                            "PLAYER 1\r\n   WINS!", 45, 27},
                    WinCase{"TheFortyNinthDiskWins", kLastDiskWinsGame,
                            "PLAYER 1\r\n   WINS!", 3, 21}),
    [](const testing::TestParamInfo<WinCase>& info) { return std::string(info.param.name); });

TEST(Game, TheFortyNinthDiskWithoutAFourFillsTheBoard) {
  Game game;
  EXPECT_EQ(Play(game, kNoWinnerGame.substr(0, 48)), MoveResult::Landed);
  EXPECT_EQ(Play(game, kNoWinnerGame.substr(48)), MoveResult::BoardFull);
  EXPECT_EQ(game.MoveCount(), 49);
  EXPECT_TRUE(game.WinnerShown());
  EXPECT_EQ(game.WinnerText(), "Board full.\r\n\r\nNo winner.");
  EXPECT_FALSE(game.Line().visible);
  EXPECT_EQ(Controls(game), "red disabled, blue disabled+border");
}

TEST(Game, NewGameClearsAFinishedGame) {
  Game game;
  Play(game, "0101010");
  game.NewGame();
  EXPECT_EQ(game.MoveCount(), 0);
  EXPECT_EQ(game.CellPicture(42), Picture::BullsEye);
  EXPECT_EQ(game.board()[42], "");
  EXPECT_FALSE(game.WinnerShown());
  EXPECT_EQ(game.WinnerText(), "");
  EXPECT_FALSE(game.Line().visible);
  // A new game does not touch the disks' borders: the blue one keeps the one
  // it got from red's winning move.
  EXPECT_EQ(Controls(game), "red enabled, blue disabled+border, GO red");
}

// Everything a game shows, as one text to compare.
std::string Describe(const Game& game) {
  std::string text;
  for (int i = 0; i < kCells; ++i) {
    text += game.board()[i].empty() ? "." : game.board()[i];
    text += static_cast<char>('0' + static_cast<int>(game.CellPicture(i)));
  }
  text += " moves " + std::to_string(game.MoveCount()) + ", " + Controls(game);
  if (game.WinnerShown()) text += ", shown: " + game.WinnerText();
  if (game.Line().visible) {
    text += ", line " + std::to_string(game.Line().from) + "-" + std::to_string(game.Line().to);
  }
  return text;
}

struct UndoCase {
  const char* name;
  std::string columns;
};

void PrintTo(const UndoCase& c, std::ostream* out) { *out << c.name; }

class GameUndo : public testing::TestWithParam<UndoCase> {};

TEST_P(GameUndo, TakesTheGameBackToWhereItWasBeforeTheLastDisk) {
  const std::string& columns = GetParam().columns;
  Game game;
  Play(game, columns);
  Game before;
  Play(before, columns.substr(0, columns.size() - 1));
  EXPECT_TRUE(game.Undo());
  EXPECT_EQ(Describe(game), Describe(before));
  // And on from there as if the disk had never been dropped.
  Play(game, columns.substr(columns.size() - 1));
  Play(before, columns.substr(columns.size() - 1));
  EXPECT_EQ(Describe(game), Describe(before));
}

INSTANTIATE_TEST_SUITE_P(
    Games, GameUndo,
    testing::Values(UndoCase{"TheFirstDiskGivesRedItsBorderBack", "3"},
                    UndoCase{"ABlueDisk", "34"},
                    UndoCase{"AWin", "0101010"},
                    UndoCase{"AHorizontalAndDiagonalWin", kDoubleFourGame},
                    UndoCase{"TheFortyNinthDiskThatWins", kLastDiskWinsGame},
                    UndoCase{"AFullBoard", kNoWinnerGame}),
    [](const testing::TestParamInfo<UndoCase>& info) { return std::string(info.param.name); });

TEST(Game, UndoSkipsADropOnAFullColumn) {
  Game game;
  Play(game, "0000000");
  EXPECT_EQ(game.Move(0, Disk::Blue), MoveResult::ColumnFull);
  EXPECT_TRUE(game.Undo());
  Game before;
  Play(before, "000000");
  EXPECT_EQ(Describe(game), Describe(before));
}

TEST(Game, UndoGoesBackToTheStartAndNoFurther) {
  Game game;
  const std::string fresh = Describe(game);
  EXPECT_FALSE(game.CanUndo());
  EXPECT_FALSE(game.Undo());
  EXPECT_EQ(Describe(game), fresh);

  Play(game, "0101010");
  for (int n = 0; n < 7; ++n) EXPECT_TRUE(game.Undo());
  EXPECT_EQ(Describe(game), fresh);
  EXPECT_FALSE(game.Undo());

  Play(game, "01");
  game.NewGame();
  EXPECT_FALSE(game.CanUndo());
}

}  // namespace
