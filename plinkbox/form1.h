#pragma once

#include <QLabel>
#include <QMainWindow>
#include <array>

#include "alerts.h"
#include "arrow_target.h"
#include "board_lines.h"
#include "disk_image.h"
#include "game.h"
#include "go_frame.h"
#include "pictures.h"

// The game's one window: the two sides' disks above the arrows and the grid.
class Form1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit Form1(Alerts& alerts);

  const Game& game() const { return game_; }
  DiskImage* RedDisk() const { return redDisk_; }
  DiskImage* BlueDisk() const { return blueDisk_; }
  GoFrame* RedFrame() const { return frmRed_; }
  GoFrame* BlueFrame() const { return frmBlue_; }
  ArrowTarget* Arrow(int k) const { return imgDest_[k]; }
  QLabel* Cell(int i) const { return image1_[i]; }
  QLabel* WinnerLabel() const { return lblWinner_; }
  QWidget* WinnerFrame() const { return frmWinner_; }
  QAction* ResetCommand() const { return mnuReset_; }
  QAction* HowToPlayCommand() const { return mnuHowToPlay_; }
  QAction* AboutCommand() const { return mnuAbout_; }
  QAction* ExitCommand() const { return mnuExit_; }

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
  void ShowGame();
  void ShowKeyboardMark();
  void ChooseColumn(int step);
  DiskImage* EnabledDisk() const;

  Alerts& alerts_;
  Game game_;
  Pictures pictures_;
  QAction* mnuHowToPlay_ = nullptr;
  QAction* mnuReset_ = nullptr;
  QAction* mnuExit_ = nullptr;
  QAction* mnuAbout_ = nullptr;
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
  int keyColumn_ = kColumns / 2;
  bool keyboardUsed_ = false;
  bool frameKnown_ = false;
};
