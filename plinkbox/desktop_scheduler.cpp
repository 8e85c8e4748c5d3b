#include "desktop_scheduler.h"

#include <QTimer>

DesktopScheduler::~DesktopScheduler() { JoinWorker(); }

void DesktopScheduler::After(int milliseconds, std::function<void()> callback) {
  QTimer::singleShot(milliseconds, this, [this, callback, generation = timerGeneration_] {
    if (generation == timerGeneration_) callback();
  });
}

void DesktopScheduler::Think(Work work, std::function<void(int)> done) {
  JoinWorker();
  ++workGeneration_;
  worker_ = std::thread([this, work, done, generation = workGeneration_] {
    const int result = work(stop_);
    QMetaObject::invokeMethod(
        this,
        [this, done, result, generation] {
          if (generation == workGeneration_) done(result);
        },
        Qt::QueuedConnection);
  });
}

void DesktopScheduler::Cancel() {
  ++timerGeneration_;
  ++workGeneration_;
  JoinWorker();
}

void DesktopScheduler::JoinWorker() {
  if (!worker_.joinable()) return;
  stop_ = true;
  worker_.join();
  stop_ = false;
}
