#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>

class Timer;

// The eleven keypad keys the game samples.
enum class KeypadKey {
  Up,         // keypad 8
  Down,       // keypad 2
  Left,       // keypad 4
  Right,      // keypad 6
  UpLeft,     // keypad 7
  UpRight,    // keypad 9
  DownRight,  // keypad 3
  DownLeft,   // keypad 1
  Fire,       // keypad 0
  Pause,      // keypad 5
  Turbo,      // keypad +
};
constexpr int KeypadKeyCount = 11;

struct JoystickCaps {
  std::int32_t MaxX = 0;
  std::int32_t MaxY = 0;
};

struct JoystickPosition {
  std::int32_t X = 0;
  std::int32_t Y = 0;
  std::uint32_t Buttons = 0;  // bit 0 = button 1, bit 1 = button 2, ...
};

// Modes reported by the MIDI player.
constexpr int MidiModeNotOpen = 524;
constexpr int MidiModeStopped = 525;
constexpr int MidiModePlaying = 526;
constexpr int MidiModePaused = 529;

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Question, Exclamation, Critical };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// The two windows of the editor that the keyboard focus moves between.
enum class FocusWindow { Game, Toolbox };

// Thrown out of a wait or an event pump once the game window was closed; the
// event that ran the game catches it and the program ends (frmWorm::RunEvent).
struct ProgramClosing {};

// Everything the game needs from the machine: time, input, sound, music,
// display, settings, dialogs and other programs.
class Platform {
 public:
  virtual ~Platform() = default;

  // Milliseconds since some fixed moment.
  virtual std::int64_t TickCount() = 0;
  // Returns once at least ms milliseconds have passed, handling window
  // events meanwhile; never spins. Throws ProgramClosing after a close.
  virtual void WaitFor(int ms) = 0;
  // Handles pending window events. Throws ProgramClosing after a close.
  virtual void PumpEvents() = 0;
  // Gives up the thread for about a millisecond (the simulated clock moves
  // by 1), then handles pending window events: the pause of a polling loop
  // that has no wait of its own. Throws ProgramClosing after a close.
  virtual void YieldToEvents() = 0;
  // True once the game window was asked to close.
  virtual bool CloseRequested() = 0;
  // Ends the program once control returns to the event loop.
  virtual void Quit(int exitCode) = 0;

  // Whether a keypad key (or its stand-in on the main keyboard) is held now.
  virtual bool KeypadHeld(KeypadKey key) = 0;
  // Joystick 0; without one the capabilities are 0 and reads fail.
  virtual JoystickCaps JoystickCapabilities() = 0;
  virtual bool ReadJoystick(JoystickPosition& position) = 0;

  // Sound bank: initialise gives 0 when sound works.
  virtual int SoundInitialise() = 0;
  virtual void SoundLoad(int slot, const QString& path) = 0;
  // Starts the slot and returns at once; sounds overlap.
  virtual void SoundPlay(int slot) = 0;
  virtual void SoundShutDown() = 0;

  // MIDI player: the tune's file, a command ("Open", "Play", "Pause",
  // "Stop", "Close", any case) and the mode (MidiMode... values).
  virtual void MidiFileName(const QString& path) = 0;
  virtual void MidiCommand(const QString& command) = 0;
  virtual int MidiMode() = 0;

  // The desktop size, and the logical screen the game window shows.
  virtual QSize DesktopSize() = 0;
  virtual void SetDisplayMode(int width, int height) = 0;
  // Mouse cursor over the game window.
  virtual void ShowCursor(bool shown) = 0;
  // The cursor over the playfield from a ".cur" file; an empty path gives
  // the normal arrow. False when the file cannot be used.
  virtual bool SetPlayFieldCursor(const QString& cursorFile) = 0;

  // Per-user settings by application, section and key.
  virtual QString GetSetting(const QString& application, const QString& section,
                             const QString& key, const QString& defaultValue) = 0;
  virtual void SaveSetting(const QString& application, const QString& section,
                           const QString& key, const QString& value) = 0;

  // Modal dialogs. A filter reads "Description|*.ext"; cancelling a file
  // dialog or the prompt gives no value.
  virtual MessageAnswer MessageBox(const QString& text, const QString& caption,
                                   MessageButtons buttons, MessageIcon icon) = 0;
  virtual std::optional<QString> OpenFileDialog(const QString& filter,
                                                const QString& fileName) = 0;
  virtual std::optional<QString> SaveFileDialog(const QString& filter,
                                                const QString& fileName) = 0;
  virtual std::optional<QString> InputBox(const QString& prompt, const QString& title,
                                          const QString& defaultText) = 0;

  // Starts a program without waiting for it.
  virtual bool StartDetached(const QString& program, const QStringList& arguments) = 0;
  // The folder of the executable, ending with "/".
  virtual QString ProgramFolder() = 0;

  // Uniform random number in [0, 1).
  virtual double Random() = 0;

  // A timer fires its event every interval while it is running.
  virtual void StartTimer(Timer& timer) = 0;
  virtual void StopTimer(Timer& timer) = 0;

  // Editor windows.
  // The desktop's warning sound.
  virtual void Beep() = 0;
  // Gives the keyboard focus to the game window or to the editor's toolbox.
  virtual void SetFocus(FocusWindow window) = 0;
  // Where a point of the logical screen (640 x 480) lies on the desktop.
  virtual QPoint DesktopPoint(QPoint logical) = 0;
  // While a guard is set, closing the game window asks it first and the
  // window stays open when it answers false; an empty guard lets it close.
  virtual void SetCloseGuard(std::function<bool()> guard) = 0;
};
