#pragma once

#include "core/label.h"
#include "core/picture_box.h"
#include "core/platform.h"
#include "core/play_state.h"
#include "core/progress_bar.h"
#include "core/surface.h"
#include "core/timer.h"
#include "core/track_database.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

// The system-key switches of the game window; this desktop has no keys to
// suppress, so they only keep their values.
struct SystemKeySwitches {
  bool DisableKeys = false;
  bool DisableTaskSwitch = false;
};

// The game window: its controls and the state the whole program shares.
class frmWorm {
 public:
  explicit frmWorm(Platform& platform);
  frmWorm(const frmWorm&) = delete;
  frmWorm& operator=(const frmWorm&) = delete;

  // Start-up. False when a sprite sheet or the picture folder is missing;
  // the user has then been told and the program should end.
  bool Form_Load(const QString& commandLine);
  // First activation: the sound bank. Later activations do nothing.
  void Form_Activate();
  // Runs one event of the window (timer, key, mouse). An event that comes
  // while a busy loop waits (WaitMs, YieldToEvents) is dropped; one that
  // comes inside a modal dialog or popup menu of a running event runs. A
  // close of the window ends the program once the events have unwound.
  void RunEvent(const std::function<void()>& handler);
  // Undoes what start-up set up and ends the program.
  void ExitProgram();

  void SetScreenMode(std::int16_t width, std::int16_t height);
  void WaitMs(std::int16_t ms);
  // The pause of a polling loop without a wait of its own: about a
  // millisecond given up to window events (InputReader::Next uses it).
  void YieldToEvents();
  void PlaySoundEffect(std::uint8_t number);
  // Status strip: shows (non-zero) or hides (zero) its seven controls, and
  // copies one item of Play into its control (items 1..7).
  void Display(std::int16_t show);
  void UpdateStatus(std::uint8_t item);
  // Music: "Play", "Pause" (again: resume), "Stop" and "Check" (restart a
  // tune that has played to its end); nothing while sound is off.
  void MusicCommand(const QString& command);

  // Picture boxes that the window shows, from bottom to top.
  std::vector<const PictureBox*> ScreenBoxes() const;
  std::vector<const Label*> Labels() const;
  std::vector<const ProgressBar*> ProgressBars() const;

  Platform& System;

  // Controls.
  PictureBox picPlayField{0, 0, 640, 480};
  PictureBox picDummy{0, 0, 640, 480};
  PictureBox picMisc{0, 0, 640, 480};
  PictureBox picMiscClip{0, 0, 640, 480};
  PictureBox picHeadline{14, 416, 81, 33};
  PictureBox picWormClip{0, 0, 96, 432};
  PictureBox picBuildClip{0, 0, 120, 72};
  PictureBox picMsgBox{0, 0, 200, 50};
  std::array<Label, 4> lblKey;  // elements 1..3
  Label lblLives;
  Label lblBonus;
  Label lblCountDown;
  Label lbldummy;
  ProgressBar pgbShield;
  ProgressBar pgbBreak;
  Timer tmrMainMenu;
  SystemKeySwitches W95;

  // Editor events of the window; empty until the editor sets them. Mouse
  // positions are playfield pixels, buttons a bit set (left 1, right 2).
  std::function<void(int keyCode, int shift)> Form_KeyDown;
  std::function<void(int button, int shift, int x, int y)> picPlayField_MouseDown;
  std::function<void(int button, int shift, int x, int y)> picPlayField_MouseMove;
  std::function<void(int button, int shift, int x, int y)> picPlayField_MouseUp;

  // Process-wide state.
  QString AppName;
  QString CommandLine;
  QString PicturePath;
  QString SoundPath;
  QString CurserPath;
  QString TrackPath;
  std::int16_t DesktopWidth = 0;
  std::int16_t DesktopHeight = 0;
  std::int32_t JoyCentreX = 0;
  std::int32_t JoyCentreY = 0;
  std::int16_t CellSize = 0;
  std::int16_t WormSheetCols = 0;
  std::int16_t WormSheetRows = 0;
  std::int16_t BlockSheetCols = 0;
  std::int16_t BlockSheetRows = 0;
  std::int16_t WormCellWidth = 0;
  std::int16_t WormCellHeight = 0;
  std::int16_t BlockCellWidth = 0;
  std::int16_t BlockCellHeight = 0;
  Surface* WormSheetDC = nullptr;
  Surface* BlockSheetDC = nullptr;
  Surface* PlayFieldDC = nullptr;
  Surface* DummyDC = nullptr;
  Surface* MiscDC = nullptr;
  Surface* HeadlineDC = nullptr;
  QString FontCharset;
  std::uint8_t SoundStatus = 0;
  bool SoundReady = false;
  bool InEditor = false;
  bool NewGame = false;
  bool GridShown = false;
  // The headline slid in: element 0 the editor's, element 1 play's.
  std::array<bool, 2> HeadlineShown{};
  std::int16_t CurrentTrack = 0;
  TrackDatabase Database;
  PlayState Play;

 private:
  void PlaceStatusItems();
  void LoadSoundBank();
  bool LoadSpriteSheets();
  bool LoadSheet(PictureBox& box, const QString& fileName);
  void ReportMissing(const QString& what);

  int eventDepth_ = 0;
  // Waits and yields of busy loops in progress; events are dropped meanwhile.
  int busyDepth_ = 0;
  bool exited_ = false;
};
