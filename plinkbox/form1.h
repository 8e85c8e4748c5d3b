#pragma once

#include <QLabel>
#include <QMainWindow>
#include <array>

#include "alerts.h"
#include "arrow_target.h"
#include "board_lines.h"
#include "computer/computer.h"
#include "computer_menu.h"
#include "disk_flight.h"
#include "disk_image.h"
#include "game.h"
#include "go_frame.h"
#include "pictures.h"
#include "scheduler.h"

// The game's one window: the two sides' disks above the arrows and the grid.
class Form1 : public QMainWindow {
  Q_OBJECT

 public:
  Form1(Alerts& alerts, Scheduler& scheduler);
  ~Form1() override;

  const Game& game() const { return game_; }
  DiskImage* RedDisk() const { return redDisk_; }
  DiskImage* BlueDisk() const { return blueDisk_; }
  GoFrame* RedFrame() const { return frmRed_; }
  GoFrame* BlueFrame() const { return frmBlue_; }
  ArrowTarget* Arrow(int k) const { return imgDest_[k]; }
  QLabel* Cell(int i) const { return image1_[i]; }
  QLabel* PlayerLabel(int player) const { return player == 1 ? label1_ : label2_; }
  QLabel* WinnerLabel() const { return lblWinner_; }
  QWidget* WinnerFrame() const { return frmWinner_; }
  QWidget* ComputerDisk() const { return flight_; }
  QAction* ResetCommand() const { return mnuReset_; }
  QAction* HowToPlayCommand() const { return mnuHowToPlay_; }
  QAction* AboutCommand() const { return mnuAbout_; }
  QAction* ExitCommand() const { return mnuExit_; }
  ComputerMenu* ComputerCommands() const { return mnuComputer_; }

  void Form_Load();
  void imgDest_DragDrop(int k, Disk disk);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  void CreateMenu();
  void CreateSides(QWidget* client);
  void CreateGrid(QWidget* client);
  void CreateWinner(QWidget* client);
  void CentreOnScreen();
  // The move of a disk into column k, whoever dropped it.
  void DropDisk(int k, Disk disk);
  // Shows the game's state in the controls and the commands.
  void ShowGame();
  // A see-through disk of the side to move where the last hint drops.
  void ShowHintCell();
  // Outlines the keyboard's column in the colour of the side to move.
  void ShowKeyboardMark();
  // Moves the keyboard's column by the step.
  void ChooseColumn(int step);
  // The disk of the side to move dropped into column k by a key.
  void DropByKey(int k);
  DiskImage* EnabledDisk() const;
  // The board as the side to move sees it.
  Position PositionToMove() const;

  // Off during the computer's move gives blue back to the player; a level
  // takes blue's turn when blue is to move.
  void ChooseLevel(ComputerLevel level);
  // Lets the computer take blue's turn when it plays blue and blue is to move.
  void StartComputerMove();
  // The computer's disk travels to the arrow of column k, then drops there.
  void FlyComputerDisk(int k);
  // Drops the hint or the computer's move under way.
  void StopComputer();
  // Shows where the hard level would drop the disk of the side to move.
  void ShowHint();
  // Takes back the last move; against the computer the last one of each side.
  void UndoMove();

  Alerts& alerts_;
  Scheduler& scheduler_;
  Game game_;
  Computer computer_;
  Pictures pictures_;
  QAction* mnuHowToPlay_ = nullptr;
  QAction* mnuReset_ = nullptr;
  QAction* mnuExit_ = nullptr;
  QAction* mnuAbout_ = nullptr;
  ComputerMenu* mnuComputer_ = nullptr;
  QLabel* label1_ = nullptr;
  QLabel* label2_ = nullptr;
  GoFrame* frmRed_ = nullptr;
  GoFrame* frmBlue_ = nullptr;
  DiskImage* redDisk_ = nullptr;
  DiskImage* blueDisk_ = nullptr;
  std::array<ArrowTarget*, kColumns> imgDest_{};
  std::array<QLabel*, kCells> image1_{};
  QLabel* imgBullsEye_ = nullptr;
  BoardLines* lines_ = nullptr;
  QWidget* frmWinner_ = nullptr;
  QLabel* lblWinner_ = nullptr;
  DiskFlight* flight_ = nullptr;
  int keyColumn_ = kColumns / 2;
  // The column of the last hint, until the next move; -1 for none.
  int hintColumn_ = -1;
  bool computerMoving_ = false;
  bool frameKnown_ = false;
};
