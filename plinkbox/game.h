#pragma once

#include <string>
#include <vector>

#include "board.h"
#include "win_tests.h"

enum class Disk { Red, Blue };

// The picture a cell shows; a cell is free while it shows the bull's eye.
enum class Picture { BullsEye, Red, Blue };

// An image or a frame: 1 shows its border (a frame also its "GO"), 0 hides it.
inline constexpr int kBorderHidden = 0;
inline constexpr int kBorderShown = 1;

struct DiskControl {
  bool enabled = false;
  int borderStyle = kBorderHidden;
};

enum class MoveResult { Landed, Won, BoardFull, ColumnFull };

// Everything one game of Plinkett changes: the board, the turn shown by the
// two disks and their "GO" frames, and the result with its red line. Each
// disk that lands can be taken back.
class Game {
 public:
  Game();

  void NewGame();
  // The disk dropped on the arrow of column k.
  MoveResult Move(int k, Disk disk);
  // Takes back the last disk that landed, with all it changed; false when
  // none has landed since the new game.
  bool Undo();
  bool CanUndo() const { return !history_.empty(); }
  // The cell a disk dropped into column k would land in; -1 when the column is full.
  int LandingCell(int k) const;

  const Board& board() const { return state_.board; }
  Picture CellPicture(int cell) const { return state_.cellPictures[cell]; }
  short MoveCount() const { return state_.moveCount; }
  const DiskControl& RedDisk() const { return state_.redDisk; }
  const DiskControl& BlueDisk() const { return state_.blueDisk; }
  int RedFrameBorder() const { return state_.frmRedBorder; }
  int BlueFrameBorder() const { return state_.frmBlueBorder; }
  bool WinnerShown() const { return state_.frmWinnerVisible; }
  const std::string& WinnerText() const { return state_.lblWinner; }
  const WinnerLine& Line() const { return state_.lnWinner; }

 private:
  // All a move can change.
  struct State {
    Board board;
    Picture cellPictures[kCells];
    short moveCount = 0;
    DiskControl redDisk{false, kBorderShown};
    DiskControl blueDisk;
    int frmRedBorder = kBorderHidden;
    int frmBlueBorder = kBorderHidden;
    bool frmWinnerVisible = false;
    std::string lblWinner;
    WinnerLine lnWinner;
  };

  bool Land(int cell, Disk disk);
  void HandTurnOver(Disk moved);
  void EndGame(const std::string& result);

  State state_;
  // The state before each disk that landed, the last one at the back.
  std::vector<State> history_;
};
