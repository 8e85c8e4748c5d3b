#pragma once

#include "core/platform.h"
#include "platform/sdl_joystick.h"
#include "platform/sdl_midi_player.h"
#include "platform/sdl_session.h"
#include "platform/sdl_sound_bank.h"

#include <QElapsedTimer>

#include <map>
#include <memory>
#include <random>

class GameWindow;
class QTimer;

// The platform of the program: Qt for the window, dialogs, settings and
// programs; SDL for the joystick, sound effects and music.
class QtPlatform : public Platform {
 public:
  QtPlatform();
  ~QtPlatform() override;

  // The window that shows the game; events run through runEvent.
  void Attach(GameWindow& window, std::function<void(const std::function<void()>&)> runEvent);
  // The user asked to close the window.
  void RequestClose() { closing_ = true; }

  std::int64_t TickCount() override;
  void WaitFor(int ms) override;
  void PumpEvents() override;
  void YieldToEvents() override;
  bool CloseRequested() override { return closing_; }
  void Quit(int exitCode) override;
  bool KeypadHeld(KeypadKey key) override;
  JoystickCaps JoystickCapabilities() override { return joystick_.Capabilities(); }
  bool ReadJoystick(JoystickPosition& position) override { return joystick_.Read(position); }
  int SoundInitialise() override { return sounds_.Initialise(); }
  void SoundLoad(int slot, const QString& path) override { sounds_.Load(slot, path); }
  void SoundPlay(int slot) override { sounds_.Play(slot); }
  void SoundShutDown() override;
  void MidiFileName(const QString& path) override { midi_.SetFileName(path); }
  void MidiCommand(const QString& command) override { midi_.Command(command, sounds_.IsOpen()); }
  int MidiMode() override { return midi_.Mode(); }
  QSize DesktopSize() override;
  void SetDisplayMode(int width, int height) override;
  void ShowCursor(bool shown) override;
  bool SetPlayFieldCursor(const QString& cursorFile) override;
  QString GetSetting(const QString& application, const QString& section, const QString& key,
                     const QString& defaultValue) override;
  void SaveSetting(const QString& application, const QString& section, const QString& key,
                   const QString& value) override;
  MessageAnswer MessageBox(const QString& text, const QString& caption, MessageButtons buttons,
                           MessageIcon icon) override;
  std::optional<QString> OpenFileDialog(const QString& filter, const QString& fileName) override;
  std::optional<QString> SaveFileDialog(const QString& filter, const QString& fileName) override;
  std::optional<QString> InputBox(const QString& prompt, const QString& title,
                                  const QString& defaultText) override;
  bool StartDetached(const QString& program, const QStringList& arguments) override;
  QString ProgramFolder() override;
  double Random() override;
  void StartTimer(Timer& timer) override;
  void StopTimer(Timer& timer) override;

  // Editor windows.
  void Beep() override;
  void SetFocus(FocusWindow window) override;
  QPoint DesktopPoint(QPoint logical) override;
  void SetCloseGuard(std::function<bool()> guard) override { closeGuard_ = std::move(guard); }
  bool HasCloseGuard() const { return static_cast<bool>(closeGuard_); }
  // Whether a close of the game window may go ahead: the guard's answer.
  bool CloseAllowed();

 private:
  void ThrowIfClosing();
  // Handles pending window events; repaints the screen when it may have
  // changed, unless the repaint would not end before the deadline.
  void PumpEventsBefore(std::int64_t deadlineNs);

  QElapsedTimer clock_;
  std::int64_t lastRefreshNs_ = 0;
  std::int64_t refreshCostNs_ = 0;
  GameWindow* window_ = nullptr;
  std::function<void(const std::function<void()>&)> runEvent_;
  bool closing_ = false;
  SdlSession sdl_;
  SdlJoystick joystick_;
  SdlSoundBank sounds_;
  SdlMidiPlayer midi_;
  std::mt19937 generator_;
  std::map<Timer*, std::unique_ptr<QTimer>> timers_;
  std::function<bool()> closeGuard_;
};
