#include "platform/scripted/scripted_platform.h"

#include "core/frm_worm.h"
#include "core/timer.h"

#include <algorithm>

namespace {

// The simulated time one yield of a polling loop takes.
constexpr std::int64_t YieldMs = 1;

QString SettingPath(const QString& application, const QString& section, const QString& key) {
  return application + '/' + section + '/' + key;
}

MessageAnswer FirstButton(MessageButtons buttons) {
  return buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel
             ? MessageAnswer::Ok
             : MessageAnswer::Yes;
}

// The next scripted answer; none (a cancel) when the script has run out.
std::optional<QString> TakeAnswer(std::deque<ScriptedPlatform::TextAnswer>& answers) {
  if (answers.empty()) return std::nullopt;
  const ScriptedPlatform::TextAnswer answer = answers.front();
  answers.pop_front();
  if (!answer.Given) return std::nullopt;
  return answer.Text;
}

template <typename T>
std::optional<T> TakeFirst(std::deque<T>& queue) {
  if (queue.empty()) return std::nullopt;
  const T value = queue.front();
  queue.pop_front();
  return value;
}

}  // namespace

void ScriptedPlatform::HoldKey(KeypadKey key, std::int64_t from, std::int64_t until) {
  keyHolds_.push_back({key, from, until});
}

void ScriptedPlatform::SetKeyHeld(KeypadKey key, bool held) {
  if (held) {
    HoldKey(key, Now);
    return;
  }
  for (KeyHold& hold : keyHolds_)
    if (hold.Key == key && hold.From <= Now && Now < hold.Until) hold.Until = Now;
}

void ScriptedPlatform::AttachJoystick(JoystickCaps caps) {
  joystickAttached_ = true;
  joystickCaps_ = caps;
}

void ScriptedPlatform::MoveJoystick(std::int64_t from, JoystickPosition position) {
  joystickMoves_.push_back({from, position});
}

bool ScriptedPlatform::FireNextTimer() {
  if (timers_.empty()) return false;
  auto next = std::min_element(timers_.begin(), timers_.end(),
                               [](const RunningTimer& a, const RunningTimer& b) {
                                 return a.Due < b.Due;
                               });
  Timer& timer = *next->Owner;
  Now = std::max(Now, next->Due);
  next->Due = Now + timer.Interval();
  timer.Fire();
  return true;
}

void ScriptedPlatform::ThrowIfClosed() {
  if (CloseRequested()) throw ProgramClosing{};
}

void ScriptedPlatform::WaitFor(int ms) {
  Waits.push_back(ms);
  Now += std::max(ms, 0);
  DeliverDueInput();
  ThrowIfClosed();
}

void ScriptedPlatform::PumpEvents() {
  DeliverDueInput();
  ThrowIfClosed();
}

void ScriptedPlatform::YieldToEvents() {
  ++Yields;
  Now += YieldMs;
  ThrowIfClosed();
}

bool ScriptedPlatform::KeypadHeld(KeypadKey key) {
  return std::any_of(keyHolds_.begin(), keyHolds_.end(), [&](const KeyHold& hold) {
    return hold.Key == key && hold.From <= Now && Now < hold.Until;
  });
}

bool ScriptedPlatform::ReadJoystick(JoystickPosition& position) {
  if (!joystickAttached_) return false;
  position = {};
  std::int64_t latest = std::numeric_limits<std::int64_t>::min();
  for (const JoystickMove& move : joystickMoves_) {
    if (move.From <= Now && move.From >= latest) {
      latest = move.From;
      position = move.Position;
    }
  }
  return true;
}

int ScriptedPlatform::SoundInitialise() {
  ++SoundInitialiseCalls;
  return SoundInitialiseResult;
}

void ScriptedPlatform::SoundLoad(int slot, const QString& path) {
  LoadedSounds.push_back({slot, path});
}

void ScriptedPlatform::SoundPlay(int slot) { PlayedSounds.push_back({slot, Now}); }

void ScriptedPlatform::MidiFileName(const QString& path) {
  MidiEvents.push_back({QStringLiteral("File"), path, Now});
}

void ScriptedPlatform::MidiCommand(const QString& command) {
  MidiEvents.push_back({command, QString(), Now});
  const QString name = command.toLower();
  if (name == "open" && midiState_ == MidiState::NotOpen) {
    midiState_ = MidiState::Stopped;
  } else if (name == "play" && midiState_ != MidiState::NotOpen) {
    midiState_ = MidiState::Playing;
    midiPlayEnd_ = MidiTuneLength == Never ? Never : Now + MidiTuneLength;
  } else if (name == "pause" && MidiMode() == MidiModePlaying) {
    midiState_ = MidiState::Paused;
    midiPausedLeft_ = midiPlayEnd_ == Never ? Never : midiPlayEnd_ - Now;
  } else if (name == "pause" && midiState_ == MidiState::Paused) {
    midiState_ = MidiState::Playing;
    midiPlayEnd_ = midiPausedLeft_ == Never ? Never : Now + midiPausedLeft_;
  } else if (name == "stop" && midiState_ != MidiState::NotOpen) {
    midiState_ = MidiState::Stopped;
  } else if (name == "close") {
    midiState_ = MidiState::NotOpen;
  }
}

int ScriptedPlatform::MidiMode() {
  switch (midiState_) {
    case MidiState::NotOpen: return MidiModeNotOpen;
    case MidiState::Stopped: return MidiModeStopped;
    case MidiState::Paused: return MidiModePaused;
    case MidiState::Playing: return Now >= midiPlayEnd_ ? MidiModeStopped : MidiModePlaying;
  }
  return MidiModeNotOpen;
}

void ScriptedPlatform::SetDisplayMode(int width, int height) {
  DisplayModes.push_back(QSize(width, height));
}

bool ScriptedPlatform::SetPlayFieldCursor(const QString& cursorFile) {
  PlayFieldCursor = cursorFile;
  return true;
}

QString ScriptedPlatform::GetSetting(const QString& application, const QString& section,
                                     const QString& key, const QString& defaultValue) {
  return Settings.value(SettingPath(application, section, key), defaultValue);
}

void ScriptedPlatform::SaveSetting(const QString& application, const QString& section,
                                   const QString& key, const QString& value) {
  Settings.insert(SettingPath(application, section, key), value);
}

MessageAnswer ScriptedPlatform::MessageBox(const QString& text, const QString& caption,
                                           MessageButtons buttons, MessageIcon icon) {
  Questions.push_back({QuestionKind::Message, text, caption, QString(), buttons, icon});
  return TakeFirst(messageAnswers_).value_or(FirstButton(buttons));
}

std::optional<QString> ScriptedPlatform::FileDialog(QuestionKind kind, const QString& filter,
                                                    const QString& fileName) {
  Questions.push_back({kind, filter, fileName, QString()});
  return TakeAnswer(fileAnswers_);
}

std::optional<QString> ScriptedPlatform::OpenFileDialog(const QString& filter,
                                                        const QString& fileName) {
  return FileDialog(QuestionKind::OpenFile, filter, fileName);
}

std::optional<QString> ScriptedPlatform::SaveFileDialog(const QString& filter,
                                                        const QString& fileName) {
  return FileDialog(QuestionKind::SaveFile, filter, fileName);
}

std::optional<QString> ScriptedPlatform::InputBox(const QString& prompt, const QString& title,
                                                  const QString& defaultText) {
  Questions.push_back({QuestionKind::Input, prompt, title, defaultText});
  return TakeAnswer(inputAnswers_);
}

bool ScriptedPlatform::StartDetached(const QString& program, const QStringList& arguments) {
  StartedPrograms.push_back({program, arguments});
  return StartSucceeds;
}

double ScriptedPlatform::Random() {
  if (auto value = TakeFirst(randomValues_)) return *value;
  return std::uniform_real_distribution<double>(0.0, 1.0)(generator_);
}

void ScriptedPlatform::StartTimer(Timer& timer) {
  StopTimer(timer);
  if (timer.Interval() > 0) timers_.push_back({&timer, Now + timer.Interval()});
}

void ScriptedPlatform::StopTimer(Timer& timer) {
  std::erase_if(timers_, [&](const RunningTimer& running) { return running.Owner == &timer; });
}

void ScriptedPlatform::Schedule(std::int64_t at, std::function<void()> deliver) {
  // Stable: input of one moment arrives in the order it was scheduled.
  const auto after = std::upper_bound(
      input_.begin(), input_.end(), at,
      [](std::int64_t moment, const ScheduledInput& input) { return moment < input.At; });
  input_.insert(after, {at, std::move(deliver)});
}

void ScriptedPlatform::ScheduleMouse(std::int64_t at, MouseAction action, int buttons, int x,
                                     int y, int shift) {
  Schedule(at, [this, action, buttons, x, y, shift] {
    if (!form_) return;
    const auto& handler = action == MouseAction::Down ? form_->picPlayField_MouseDown
                          : action == MouseAction::Move ? form_->picPlayField_MouseMove
                                                        : form_->picPlayField_MouseUp;
    if (handler) form_->RunEvent([&] { handler(buttons, shift, x, y); });
  });
}

void ScriptedPlatform::ScheduleKeyDown(std::int64_t at, int keyCode, int shift) {
  Schedule(at, [this, keyCode, shift] {
    if (form_ && form_->Form_KeyDown)
      form_->RunEvent([&] { form_->Form_KeyDown(keyCode, shift); });
  });
}

void ScriptedPlatform::DeliverDueInput() {
  while (!input_.empty() && input_.front().At <= Now) {
    const std::function<void()> deliver = std::move(input_.front().Deliver);
    input_.erase(input_.begin());
    deliver();
  }
}

void ScriptedPlatform::RunUntil(std::int64_t moment) {
  for (;;) {
    const std::int64_t nextInput = input_.empty() ? Never : input_.front().At;
    std::int64_t nextTimer = Never;
    for (const RunningTimer& timer : timers_) nextTimer = std::min(nextTimer, timer.Due);
    if (std::min(nextInput, nextTimer) > moment) break;
    if (nextInput <= nextTimer) {
      Now = std::max(Now, nextInput);
      DeliverDueInput();
    } else {
      FireNextTimer();
    }
  }
  Now = std::max(Now, moment);
}

bool ScriptedPlatform::ClickCloseBox() {
  // As on the desktop: the guard asks inside an event of its own.
  // The guard may replace itself while it runs.
  const std::function<bool()> guard = closeGuard_;
  bool close = !guard;
  if (!close && form_)
    form_->RunEvent([&] { close = guard(); });
  else if (!close)
    close = guard();
  if (close) closeAt_ = std::min(closeAt_, Now);
  return close;
}
