#pragma once

#include <string>

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
// two disks and their "GO" frames, and the result with its red line.
class Game {
 public:
  Game();

  void NewGame();
  // The disk dropped on the arrow of column k.
  MoveResult Move(int k, Disk disk);

  const Board& board() const { return board_; }
  Picture CellPicture(int cell) const { return cellPictures_[cell]; }
  short MoveCount() const { return moveCount_; }
  const DiskControl& RedDisk() const { return redDisk_; }
  const DiskControl& BlueDisk() const { return blueDisk_; }
  int RedFrameBorder() const { return frmRedBorder_; }
  int BlueFrameBorder() const { return frmBlueBorder_; }
  bool WinnerShown() const { return frmWinnerVisible_; }
  const std::string& WinnerText() const { return lblWinner_; }
  const WinnerLine& Line() const { return lnWinner_; }

 private:
  bool Land(int cell, Disk disk);
  void HandTurnOver(Disk moved);
  void EndGame(const std::string& result);

  Board board_;
  Picture cellPictures_[kCells];
  short moveCount_ = 0;
  DiskControl redDisk_{false, kBorderShown};
  DiskControl blueDisk_;
  int frmRedBorder_ = kBorderHidden;
  int frmBlueBorder_ = kBorderHidden;
  bool frmWinnerVisible_ = false;
  std::string lblWinner_;
  WinnerLine lnWinner_;
};
