#pragma once

#include <QObject>
#include <thread>

#include "scheduler.h"

// Timers of the window's event loop, and one thread for the work.
class DesktopScheduler : public QObject, public Scheduler {
  Q_OBJECT

 public:
  ~DesktopScheduler() override;
  void After(int milliseconds, std::function<void()> callback) override;
  void Think(Work work, std::function<void(int)> done) override;
  void Cancel() override;

 private:
  // Stops the work's thread, if any, and waits for it.
  void JoinWorker();

  // Timers set before the last Cancel carry an older number and are dropped.
  unsigned timerGeneration_ = 0;
  // Results of work that was stopped or replaced carry an older number.
  unsigned workGeneration_ = 0;
  std::atomic<bool> stop_{false};
  std::thread worker_;
};
