#include "platform/qt_platform.h"

#include "core/setting_text.h"
#include "core/timer.h"
#include "platform/cursor_file.h"
#include "platform/game_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QTimer>

#include <sys/prctl.h>

#include <chrono>
#include <limits>
#include <thread>

namespace {

// Longest sleep between two looks at the window's events; the last stretch
// before a deadline is slept without handling events, so it ends on time.
constexpr std::int64_t SliceNs = 4'000'000;
constexpr std::int64_t LastStretchNs = 1'500'000;
// Shortest time between two repaints while the game is busy, and the
// longest a repaint may be put off because it would not end before a
// wait's deadline.
constexpr std::int64_t RefreshNs = 15'000'000;
constexpr std::int64_t LongestDelayNs = 100'000'000;
constexpr std::int64_t NoDeadline = std::numeric_limits<std::int64_t>::max();
// The sleep of one pass of a polling loop without a wait of its own.
constexpr std::int64_t YieldNs = 1'000'000;

// "Description|*.ext|..." as a file dialog filter.
QString DialogFilter(const QString& filter) {
  const QStringList parts = filter.split('|');
  QStringList entries;
  for (int i = 0; i + 1 < parts.size(); i += 2)
    entries << QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]);
  return entries.join(QStringLiteral(";;"));
}

QMessageBox::StandardButtons ButtonsOf(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok: return QMessageBox::Ok;
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon IconOf(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::None: return QMessageBox::NoIcon;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

MessageAnswer AnswerOf(int button) {
  switch (button) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Ok: return MessageAnswer::Ok;
    default: return MessageAnswer::Cancel;
  }
}

std::optional<QString> Chosen(const QString& fileName) {
  if (fileName.isEmpty()) return std::nullopt;
  return fileName;
}

}  // namespace

QtPlatform::QtPlatform()
    : generator_(static_cast<std::mt19937::result_type>(
          std::chrono::system_clock::now().time_since_epoch().count())) {
  // Sleeps end as close to their deadline as the system allows.
  prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
  clock_.start();
}

QtPlatform::~QtPlatform() { SoundShutDown(); }

void QtPlatform::Attach(GameWindow& window,
                        std::function<void(const std::function<void()>&)> runEvent) {
  window_ = &window;
  runEvent_ = std::move(runEvent);
}

std::int64_t QtPlatform::TickCount() { return clock_.elapsed(); }

void QtPlatform::WaitFor(int ms) {
  const std::int64_t deadline = clock_.nsecsElapsed() + std::int64_t{ms} * 1'000'000;
  PumpEventsBefore(deadline);
  for (std::int64_t left = deadline - clock_.nsecsElapsed(); left > 0;
       left = deadline - clock_.nsecsElapsed()) {
    if (left > LastStretchNs) {
      std::this_thread::sleep_for(std::chrono::nanoseconds(std::min(left - LastStretchNs, SliceNs)));
      PumpEventsBefore(deadline);
    } else {
      std::this_thread::sleep_for(std::chrono::nanoseconds(left));
    }
  }
}

void QtPlatform::PumpEvents() { PumpEventsBefore(NoDeadline); }

void QtPlatform::YieldToEvents() {
  std::this_thread::sleep_for(std::chrono::nanoseconds(YieldNs));
  PumpEventsBefore(NoDeadline);
}

void QtPlatform::PumpEventsBefore(std::int64_t deadline) {
  const std::int64_t start = clock_.nsecsElapsed();
  const std::int64_t sinceRefresh = start - lastRefreshNs_;
  const bool fits = deadline - start > refreshCostNs_ + LastStretchNs;
  const bool refresh =
      window_ && sinceRefresh >= RefreshNs && (fits || sinceRefresh >= LongestDelayNs);
  if (refresh) {
    lastRefreshNs_ = start;
    window_->RefreshScreen();
  }
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  if (refresh) {
    // The cost of a repaint, its event handling included: the largest of
    // late, slowly forgotten.
    const std::int64_t cost = clock_.nsecsElapsed() - start;
    refreshCostNs_ = std::max(cost, refreshCostNs_ * 7 / 8);
  }
  ThrowIfClosing();
}

void QtPlatform::ThrowIfClosing() {
  if (closing_) throw ProgramClosing{};
}

void QtPlatform::Quit(int exitCode) {
  closing_ = true;
  QCoreApplication::exit(exitCode);
}

bool QtPlatform::KeypadHeld(KeypadKey key) { return window_ && window_->Keys().Held(key); }

void QtPlatform::SoundShutDown() {
  midi_.Release();
  sounds_.ShutDown();
}

QSize QtPlatform::DesktopSize() { return QGuiApplication::primaryScreen()->size(); }

void QtPlatform::SetDisplayMode(int width, int height) {
  if (window_ && !closing_) window_->SetLogicalSize(QSize(width, height));
}

void QtPlatform::ShowCursor(bool shown) {
  if (window_) window_->SetCursorShown(shown);
}

bool QtPlatform::SetPlayFieldCursor(const QString& cursorFile) {
  if (!window_) return false;
  if (cursorFile.isEmpty()) {
    window_->SetPlayFieldCursor(std::nullopt);
    return true;
  }
  std::optional<QCursor> cursor = LoadCursorFile(cursorFile, window_->Scale());
  if (!cursor) return false;
  window_->SetPlayFieldCursor(std::move(cursor));
  return true;
}

QString QtPlatform::GetSetting(const QString& application, const QString& section,
                               const QString& key, const QString& defaultValue) {
  const QSettings settings(QSettings::IniFormat, QSettings::UserScope, application, application);
  return ReadSettingText(settings, section, key, defaultValue);
}

void QtPlatform::SaveSetting(const QString& application, const QString& section,
                             const QString& key, const QString& value) {
  QSettings settings(QSettings::IniFormat, QSettings::UserScope, application, application);
  WriteSettingText(settings, section, key, value);
}

MessageAnswer QtPlatform::MessageBox(const QString& text, const QString& caption,
                                     MessageButtons buttons, MessageIcon icon) {
  QMessageBox box(IconOf(icon), caption, text, ButtonsOf(buttons), window_);
  box.setWindowModality(Qt::ApplicationModal);
  box.setWindowFlag(Qt::WindowStaysOnTopHint);
  return AnswerOf(box.exec());
}

std::optional<QString> QtPlatform::OpenFileDialog(const QString& filter,
                                                  const QString& fileName) {
  return Chosen(QFileDialog::getOpenFileName(window_, QString(), fileName, DialogFilter(filter)));
}

std::optional<QString> QtPlatform::SaveFileDialog(const QString& filter,
                                                  const QString& fileName) {
  return Chosen(QFileDialog::getSaveFileName(window_, QString(), fileName, DialogFilter(filter)));
}

std::optional<QString> QtPlatform::InputBox(const QString& prompt, const QString& title,
                                            const QString& defaultText) {
  bool ok = false;
  const QString text =
      QInputDialog::getText(window_, title, prompt, QLineEdit::Normal, defaultText, &ok);
  if (!ok) return std::nullopt;
  return text;
}

bool QtPlatform::StartDetached(const QString& program, const QStringList& arguments) {
  return QProcess::startDetached(program, arguments);
}

QString QtPlatform::ProgramFolder() { return QCoreApplication::applicationDirPath() + '/'; }

double QtPlatform::Random() {
  return std::uniform_real_distribution<double>(0.0, 1.0)(generator_);
}

void QtPlatform::StartTimer(Timer& timer) {
  std::unique_ptr<QTimer>& qtTimer = timers_[&timer];
  if (!qtTimer) {
    qtTimer = std::make_unique<QTimer>();
    QObject::connect(qtTimer.get(), &QTimer::timeout, [this, &timer] {
      if (runEvent_) runEvent_([&timer] { timer.Fire(); });
      if (window_) window_->RefreshScreen();
    });
  }
  if (timer.Interval() > 0)
    qtTimer->start(timer.Interval());
  else
    qtTimer->stop();
}

void QtPlatform::StopTimer(Timer& timer) {
  const auto found = timers_.find(&timer);
  if (found == timers_.end()) return;
  // The timer may be stopped from inside its own event.
  found->second->stop();
  found->second.release()->deleteLater();
  timers_.erase(found);
}

void QtPlatform::Beep() { QApplication::beep(); }

void QtPlatform::SetFocus(FocusWindow window) {
  QWidget* target = window_;
  if (window == FocusWindow::Toolbox) {
    // The editor's toolbox names itself after its form.
    target = nullptr;
    for (QWidget* topLevel : QApplication::topLevelWidgets())
      if (topLevel->objectName() == QLatin1String("frmToolBox") && topLevel->isVisible())
        target = topLevel;
  }
  if (!target) return;
  target->activateWindow();
  target->setFocus(Qt::OtherFocusReason);
}

QPoint QtPlatform::DesktopPoint(QPoint logical) {
  return window_ ? window_->DesktopPoint(logical) : logical;
}

bool QtPlatform::CloseAllowed() {
  // The guard may replace itself while it runs.
  const std::function<bool()> guard = closeGuard_;
  return !guard || guard();
}
