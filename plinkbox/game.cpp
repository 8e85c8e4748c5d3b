#include "game.h"

Game::Game() { NewGame(); }

void Game::NewGame() {
  for (int i = 0; i < kCells; ++i) {
    cellPictures_[i] = Picture::BullsEye;
    board_[i] = "";
  }
  redDisk_.enabled = true;
  blueDisk_.enabled = false;
  moveCount_ = 0;
  frmRedBorder_ = kBorderShown;
  frmBlueBorder_ = kBorderHidden;
  frmWinnerVisible_ = false;
  lblWinner_ = "";
  lnWinner_.visible = false;
}

MoveResult Game::Move(int k, Disk disk) {
  bool columnFull = true;
  for (int c = k + kBottomRow; c >= 0; c -= kColumns) {
    if (cellPictures_[c] != Picture::BullsEye) continue;
    if (Land(c, disk)) return MoveResult::Won;
    columnFull = false;
    break;
  }
  if (moveCount_ == kCells) {
    EndGame("Board full.\r\n\r\nNo winner.");
    return MoveResult::BoardFull;
  }
  return columnFull ? MoveResult::ColumnFull : MoveResult::Landed;
}

// Puts the disk into the free cell and tells whether it made a four.
bool Game::Land(int cell, Disk disk) {
  cellPictures_[cell] = disk == Disk::Red ? Picture::Red : Picture::Blue;
  board_[cell] = "";
  HandTurnOver(disk);
  board_[cell] = disk == Disk::Red ? kRedMark : kBlueMark;
  ++moveCount_;
  // All three run, so a later test's line replaces an earlier one.
  const bool vertical = CheckVertical(board_, cell, lnWinner_);
  const bool horizontal = CheckHorizontal(board_, cell, lnWinner_);
  const bool diagonal = CheckDiagonals(board_, cell, lnWinner_);
  if (!vertical && !horizontal && !diagonal) return false;
  EndGame(std::string(blueDisk_.enabled ? "PLAYER 1" : "PLAYER 2") + "\r\n   WINS!");
  return true;
}

void Game::HandTurnOver(Disk moved) {
  DiskControl& mover = moved == Disk::Red ? redDisk_ : blueDisk_;
  mover.enabled = false;
  mover.borderStyle = kBorderHidden;
  if (moved == Disk::Red) {
    blueDisk_.enabled = true;
    blueDisk_.borderStyle = kBorderShown;
    frmBlueBorder_ = kBorderShown;
    frmRedBorder_ = kBorderHidden;
  } else {
    redDisk_.enabled = true;
    frmBlueBorder_ = kBorderHidden;
    frmRedBorder_ = kBorderShown;
  }
}

void Game::EndGame(const std::string& result) {
  lblWinner_ = result;
  frmWinnerVisible_ = true;
  frmRedBorder_ = kBorderHidden;
  frmBlueBorder_ = kBorderHidden;
  redDisk_.enabled = false;
  blueDisk_.enabled = false;
}
