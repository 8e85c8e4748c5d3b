#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "scheduler.h"

// Keeps the window's later work until the test runs it on a simulated clock;
// work runs on the test's thread and is never stopped.
class ScriptedScheduler : public Scheduler {
 public:
  void After(int milliseconds, std::function<void()> callback) override {
    tasks_.push_back({now_ + milliseconds, next_++, false, std::move(callback)});
  }

  void Think(Work work, std::function<void(int)> done) override {
    std::erase_if(tasks_, [](const Task& task) { return task.thinking; });
    ++thoughts;
    tasks_.push_back({now_, next_++, true, [work, done] {
                        const std::atomic<bool> stop{false};
                        done(work(stop));
                      }});
  }

  void Cancel() override { tasks_.clear(); }

  // Runs what falls due within the milliseconds, in order, moving the clock.
  void Advance(int milliseconds) { RunUntil(now_ + milliseconds); }

  // Runs everything there is and all it leads to.
  void RunAll() {
    for (int step = 0; !tasks_.empty(); ++step) {
      ASSERT_LT(step, kMostSteps) << "the scheduled work never ends";
      RunNext();
    }
  }

  bool Idle() const { return tasks_.empty(); }
  int Now() const { return now_; }

  // How often work was asked for.
  int thoughts = 0;

 private:
  struct Task {
    int due;
    int order;
    bool thinking;
    std::function<void()> run;
  };

  static constexpr int kMostSteps = 10000;

  void RunUntil(int time) {
    while (!tasks_.empty() && Earliest()->due <= time) RunNext();
    now_ = std::max(now_, time);
  }

  std::vector<Task>::iterator Earliest() {
    return std::min_element(tasks_.begin(), tasks_.end(), [](const Task& a, const Task& b) {
      return a.due != b.due ? a.due < b.due : a.order < b.order;
    });
  }

  void RunNext() {
    const auto earliest = Earliest();
    const Task task = *earliest;
    tasks_.erase(earliest);
    now_ = std::max(now_, task.due);
    task.run();
  }

  std::vector<Task> tasks_;
  int now_ = 0;
  int next_ = 0;
};
