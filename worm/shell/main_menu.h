#pragma once

#include "shell/running_game.h"

#include <QString>

#include <cstdint>
#include <functional>

class frmWorm;
class InputReader;
struct InputSample;

// Items of the main menu ("Main"), laid out as a cross.
enum MainMenuItem : std::uint8_t {
  MenuItemHighScores = 1,  // up
  MenuItemEditor = 2,      // right
  MenuItemContinue = 3,    // down
  MenuItemQuit = 4,        // left
  MenuItemNewGame = 5,     // centre, the default
};

// The main menu of the game window, run by its timer tmrMainMenu. The menu
// owns the running game record, which the saved-game check fills and a
// game keeps current.
class MainMenu {
 public:
  // enterEditor opens the track editor (on the command line's database
  // when there is one); it is called with the menu left.
  MainMenu(frmWorm& form, std::function<void()> enterEditor);
  MainMenu(const MainMenu&) = delete;
  MainMenu& operator=(const MainMenu&) = delete;
  // Takes its event off the timer.
  ~MainMenu();

  // The timer event: with a command line straight into the editor; else
  // the menu picture, its tune and the menu loop until an item is chosen,
  // then the chosen part runs.
  void tmrMainMenu_Timer();

 private:
  // What the menu hands over to.
  enum class Choice { None, HighScores, Editor, ContinueGame, NewGame, Quit };

  // The menu picture wiped in, its tune started.
  void ShowMenu();
  // Polls until an item is chosen.
  Choice RunLoop();
  // Lights a side item while its push lasts; fire chooses it.
  Choice HoldItem(InputReader& input, std::uint8_t item, bool (InputSample::*pushed)() const);
  // No push: the centre item, lit once; fire starts a new game.
  Choice Centre(InputReader& input);
  // The side item's choice after its flash; none when a message refused it.
  Choice ChooseSideItem(std::uint8_t item);
  // "Empty", or no database file of that name.
  bool DatabaseMissing() const;
  // The saved game of the chosen database exists and belongs to the
  // database as it is now (exact name, same save counter).
  bool SavedGameValid();
  // Message 7 or 8 over the menu.
  void ShowMenuMessage(std::uint8_t number);
  // Wiped to black, the playfield parked, the tune stopped.
  void Leave();
  // Runs the chosen part: it brings the menu back through the timer.
  void HandOver(Choice choice);

  frmWorm& form_;
  std::function<void()> enterEditor_;
  // The database chosen when the menu started, without ".wdb".
  QString chosenDatabase_;
  // The saved game the menu read, continued and kept current by a game.
  RunningGame game_;
  bool centreLit_ = false;  // the centre item is shown lit
};
