#pragma once

#include "core/platform.h"

#include <QMap>
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <limits>
#include <optional>
#include <random>
#include <vector>

// The platform of the tests: a simulated clock that a wait moves at once,
// input given per moment of that clock, and a record of every sound, music
// command and question, the questions answered from a script.
class frmWorm;

class ScriptedPlatform : public Platform {
 public:
  static constexpr std::int64_t Never = std::numeric_limits<std::int64_t>::max();

  struct PlayedSound {
    int Slot;
    std::int64_t At;
  };
  struct LoadedSound {
    int Slot;
    QString Path;
  };
  struct MidiEvent {
    QString Command;  // "File" for a new file name
    QString Argument;
    std::int64_t At;
  };
  enum class QuestionKind { Message, OpenFile, SaveFile, Input };
  struct Question {
    QuestionKind Kind;
    QString Text;     // message text, prompt or file filter
    QString Caption;  // caption, title or offered file name
    QString Default;  // default answer of the prompt
    MessageButtons Buttons = MessageButtons::Ok;
    MessageIcon Icon = MessageIcon::None;
  };
  struct TextAnswer {
    bool Given;  // false: the dialog is cancelled
    QString Text;
  };
  struct StartedProgram {
    QString Program;
    QStringList Arguments;
  };

  // Input script.
  void HoldKey(KeypadKey key, std::int64_t from, std::int64_t until = Never);
  void SetKeyHeld(KeypadKey key, bool held);
  void AttachJoystick(JoystickCaps caps);
  void MoveJoystick(std::int64_t from, JoystickPosition position);
  void CloseWindowAt(std::int64_t at) { closeAt_ = at; }

  // Answers for the next questions, in order. A message without a scripted
  // answer gets its first button; a dialog or prompt without one is cancelled.
  void AnswerMessage(MessageAnswer answer) { messageAnswers_.push_back(answer); }
  void AnswerFileDialog(const std::optional<QString>& fileName) {
    fileAnswers_.push_back({fileName.has_value(), fileName.value_or(QString())});
  }
  void AnswerInput(const std::optional<QString>& text) {
    inputAnswers_.push_back({text.has_value(), text.value_or(QString())});
  }
  void ScriptRandom(double value) { randomValues_.push_back(value); }

  // Fires the timer that is due first, moving the clock to its moment;
  // false when no timer runs.
  bool FireNextTimer();

  // Setup.
  int SoundInitialiseResult = 0;
  std::int64_t MidiTuneLength = Never;
  QSize Desktop{1920, 1080};
  QString Folder = QStringLiteral("/scripted/");
  bool StartSucceeds = true;

  // Record.
  std::int64_t Now = 0;
  std::vector<int> Waits;
  int Yields = 0;  // calls of YieldToEvents, each 1 ms; not in Waits
  int SoundInitialiseCalls = 0;
  std::vector<LoadedSound> LoadedSounds;
  std::vector<PlayedSound> PlayedSounds;
  int SoundShutDownCalls = 0;
  std::vector<MidiEvent> MidiEvents;
  std::vector<QSize> DisplayModes;
  bool CursorShown = true;
  QString PlayFieldCursor;
  QMap<QString, QString> Settings;  // "application/section/key" -> value
  std::vector<Question> Questions;
  std::vector<StartedProgram> StartedPrograms;
  std::optional<int> ExitCode;

  // Platform.
  std::int64_t TickCount() override { return Now; }
  void WaitFor(int ms) override;
  void PumpEvents() override;
  void YieldToEvents() override;
  bool CloseRequested() override { return Now >= closeAt_; }
  void Quit(int exitCode) override { ExitCode = exitCode; }
  bool KeypadHeld(KeypadKey key) override;
  JoystickCaps JoystickCapabilities() override { return joystickCaps_; }
  bool ReadJoystick(JoystickPosition& position) override;
  int SoundInitialise() override;
  void SoundLoad(int slot, const QString& path) override;
  void SoundPlay(int slot) override;
  void SoundShutDown() override { ++SoundShutDownCalls; }
  void MidiFileName(const QString& path) override;
  void MidiCommand(const QString& command) override;
  int MidiMode() override;
  QSize DesktopSize() override { return Desktop; }
  void SetDisplayMode(int width, int height) override;
  void ShowCursor(bool shown) override { CursorShown = shown; }
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
  QString ProgramFolder() override { return Folder; }
  double Random() override;
  void StartTimer(Timer& timer) override;
  void StopTimer(Timer& timer) override;

  // Editor windows: input scheduled on the clock, and a record of beeps,
  // focus changes and close requests.
  enum class MouseAction { Down, Move, Up };
  // The window whose events the scheduled input reaches (as the game
  // window's events, through frmWorm::RunEvent).
  void AttachForm(frmWorm& form) { form_ = &form; }
  void ScheduleMouse(std::int64_t at, MouseAction action, int buttons, int x, int y,
                     int shift = 0);
  void ScheduleKeyDown(std::int64_t at, int keyCode, int shift = 0);
  // Moves the clock to moment, delivering the scheduled input and firing
  // the timers due on the way, in the order of their moments.
  void RunUntil(std::int64_t moment);
  // The close box of the game window: asks the guard; true when the window
  // closes (CloseRequested from now on).
  bool ClickCloseBox();

  std::vector<std::int64_t> Beeps;
  std::vector<FocusWindow> FocusChanges;
  // The logical screen's place and factor on the desktop.
  QPoint ScreenOrigin{0, 0};
  int ScreenScale = 1;

  void Beep() override { Beeps.push_back(Now); }
  void SetFocus(FocusWindow window) override { FocusChanges.push_back(window); }
  QPoint DesktopPoint(QPoint logical) override { return ScreenOrigin + logical * ScreenScale; }
  void SetCloseGuard(std::function<bool()> guard) override { closeGuard_ = std::move(guard); }

 private:
  struct KeyHold {
    KeypadKey Key;
    std::int64_t From;
    std::int64_t Until;
  };
  struct JoystickMove {
    std::int64_t From;
    JoystickPosition Position;
  };
  struct RunningTimer {
    Timer* Owner;
    std::int64_t Due;
  };
  enum class MidiState { NotOpen, Stopped, Playing, Paused };

  void ThrowIfClosed();
  std::optional<QString> FileDialog(QuestionKind kind, const QString& filter,
                                    const QString& fileName);

  std::vector<KeyHold> keyHolds_;
  bool joystickAttached_ = false;
  JoystickCaps joystickCaps_;
  std::vector<JoystickMove> joystickMoves_;
  std::int64_t closeAt_ = Never;
  std::deque<MessageAnswer> messageAnswers_;
  std::deque<TextAnswer> fileAnswers_;
  std::deque<TextAnswer> inputAnswers_;
  std::deque<double> randomValues_;
  std::mt19937 generator_{12345};
  std::vector<RunningTimer> timers_;
  MidiState midiState_ = MidiState::NotOpen;
  std::int64_t midiPlayEnd_ = Never;
  std::int64_t midiPausedLeft_ = 0;

  struct ScheduledInput {
    std::int64_t At;
    std::function<void()> Deliver;
  };
  // Delivers the scheduled input due by now, oldest first.
  void DeliverDueInput();
  void Schedule(std::int64_t at, std::function<void()> deliver);

  frmWorm* form_ = nullptr;
  std::vector<ScheduledInput> input_;
  std::function<bool()> closeGuard_;
};
