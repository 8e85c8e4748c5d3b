#pragma once

#include <QImage>
#include <QWidget>

#include <array>
#include <functional>
#include <map>

class Editor;
struct MenuItem;
struct CommandButton;
class SliderControl;
class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;
class QSlider;
class QTabWidget;
class QToolButton;

// The toolbox window: a fixed tool window floating over the game window
// with the toolbar, the six pages, the status bar and the menu "Toolbox".
// It shows the editor's ToolboxModel and runs the user's actions as
// events of the game window.
class frmToolBox : public QWidget {
 public:
  // parent: the game window it floats over; refreshScreen repaints that
  // window after each action.
  frmToolBox(Editor& editor, QWidget* parent, std::function<void()> refreshScreen);

  // Shows the controls as the model holds them.
  void Sync();
  // The menu as a popup at the mouse; the chosen item or none.
  MenuItem* Popup(MenuItem& menu);
  // Stays above all normal windows, or not; the window keeps its place.
  void SetTopmost(bool topmost);

  // The size of the area under the menu bar.
  static constexpr int ClientWidth = 218;
  static constexpr int ClientHeight = 247;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Runs action as an event of the game window, then shows the result.
  void Run(const std::function<void()>& action);
  QWidget* MakeToolbar();
  QTabWidget* MakePages();
  QWidget* MakeTrackPage();
  QWidget* MakeDirectionPage();
  QWidget* MakeTrimPage(std::array<SliderControl, 5>& sliders, std::array<QSlider*, 5>& widgets,
                        std::array<QLabel*, 5>& labels);
  QWidget* MakeDefDBPage();
  QWidget* MakeDatabasePage();
  QWidget* MakeStatusBar();
  QMenuBar* MakeMenuBar();
  QSlider* MakeSlider(SliderControl& slider);
  QPushButton* MakeButton(CommandButton& button);
  void FillMenu(QMenu& menu, MenuItem& item, std::map<QAction*, MenuItem*>& actions);
  void SyncMenu(MenuItem& item);
  void SyncSlider(QSlider& widget, const SliderControl& slider);

  Editor& editor_;
  std::function<void()> refreshScreen_;
  QImage blockSheet_;
  QImage wormSheet_;
  bool topmost_ = true;

  std::array<QToolButton*, 62> toolbar_{};
  QTabWidget* tabs_ = nullptr;
  QSlider* trackNumber_ = nullptr;
  QComboBox* trackName_ = nullptr;
  std::array<QPushButton*, 3> trackButtons_{};
  std::array<QToolButton*, 8> heads_{};
  std::array<QSlider*, 5> trimTrack_{};
  std::array<QLabel*, 5> trimTrackLabels_{};
  std::array<QSlider*, 5> trimDB_{};
  std::array<QLabel*, 5> trimDBLabels_{};
  QListWidget* defDB_ = nullptr;
  std::array<QPushButton*, 5> databaseButtons_{};
  std::array<QLabel*, 5> panels_{};
  QMenuBar* menuBar_ = nullptr;
  std::map<QAction*, MenuItem*> menuActions_;
};
