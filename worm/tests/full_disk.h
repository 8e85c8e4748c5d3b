#pragma once

#include <sys/resource.h>

#include <csignal>

// While this lives, files of this process cannot grow past `bytes`, as on
// a full disk; a write past it fails instead of stopping the program.
class FullDisk {
 public:
  explicit FullDisk(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit small = saved_;
    small.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &small);
  }
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;
  ~FullDisk() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, SIG_DFL);
  }

 private:
  rlimit saved_{};
};
