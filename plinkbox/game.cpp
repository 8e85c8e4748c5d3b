#include "game.h"

Game::Game() { NewGame(); }

void Game::NewGame() {
  for (int i = 0; i < kCells; ++i) {
    state_.cellPictures[i] = Picture::BullsEye;
    state_.board[i] = "";
  }
  state_.redDisk.enabled = true;
  state_.blueDisk.enabled = false;
  state_.moveCount = 0;
  state_.frmRedBorder = kBorderShown;
  state_.frmBlueBorder = kBorderHidden;
  state_.frmWinnerVisible = false;
  state_.lblWinner = "";
  state_.lnWinner.visible = false;
  history_.clear();
}

MoveResult Game::Move(int k, Disk disk) {
  const int cell = LandingCell(k);
  if (cell >= 0) {
    history_.push_back(state_);
    if (Land(cell, disk)) return MoveResult::Won;
  }
  if (state_.moveCount == kCells) {
    EndGame("Board full.\r\n\r\nNo winner.");
    return MoveResult::BoardFull;
  }
  return cell < 0 ? MoveResult::ColumnFull : MoveResult::Landed;
}

int Game::LandingCell(int k) const {
  for (int c = k + kBottomRow; c >= 0; c -= kColumns) {
    if (state_.cellPictures[c] == Picture::BullsEye) return c;
  }
  return -1;
}

bool Game::Undo() {
  if (history_.empty()) return false;
  state_ = history_.back();
  history_.pop_back();
  return true;
}

// Puts the disk into the free cell and tells whether it made a four.
bool Game::Land(int cell, Disk disk) {
  state_.cellPictures[cell] = disk == Disk::Red ? Picture::Red : Picture::Blue;
  state_.board[cell] = "";
  HandTurnOver(disk);
  state_.board[cell] = disk == Disk::Red ? kRedMark : kBlueMark;
  ++state_.moveCount;
  // All three run, so a later test's line replaces an earlier one.
  const bool vertical = CheckVertical(state_.board, cell, state_.lnWinner);
  const bool horizontal = CheckHorizontal(state_.board, cell, state_.lnWinner);
  const bool diagonal = CheckDiagonals(state_.board, cell, state_.lnWinner);
  if (!vertical && !horizontal && !diagonal) return false;
  EndGame(std::string(state_.blueDisk.enabled ? "PLAYER 1" : "PLAYER 2") + "\r\n   WINS!");
  return true;
}

void Game::HandTurnOver(Disk moved) {
  DiskControl& mover = moved == Disk::Red ? state_.redDisk : state_.blueDisk;
  mover.enabled = false;
  mover.borderStyle = kBorderHidden;
  if (moved == Disk::Red) {
    state_.blueDisk.enabled = true;
    state_.blueDisk.borderStyle = kBorderShown;
    state_.frmBlueBorder = kBorderShown;
    state_.frmRedBorder = kBorderHidden;
  } else {
    state_.redDisk.enabled = true;
    state_.frmBlueBorder = kBorderHidden;
    state_.frmRedBorder = kBorderShown;
  }
}

void Game::EndGame(const std::string& result) {
  state_.lblWinner = result;
  state_.frmWinnerVisible = true;
  state_.frmRedBorder = kBorderHidden;
  state_.frmBlueBorder = kBorderHidden;
  state_.redDisk.enabled = false;
  state_.blueDisk.enabled = false;
}
