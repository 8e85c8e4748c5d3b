#pragma once

#include "core/replace_file.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

// Ends the process between the write of the temporary file and the rename, as a crash
// or a power cut would.
class StopBeforeRename : public SaveFaults {
 public:
  static constexpr int ExitCode = 42;
  void BeforeRename() override { _exit(ExitCode); }
};

// Runs work in a child process and gives its exit code, -1 when it did not exit.
inline int ExitCodeInChild(const std::function<int()>& work) {
  const pid_t child = fork();
  if (child == 0) _exit(work());
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

// Lays a fresh file system of size bytes over folder, seen by this process only: a
// small disk to fill. False where it is not allowed (not root).
inline bool MountSmallDisk(const QString& folder, int size) {
  const QByteArray options = "size=" + QByteArray::number(size);
  return unshare(CLONE_NEWNS) == 0 &&
         mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
         mount("tmpfs", folder.toLocal8Bit().constData(), "tmpfs", 0, options.constData()) == 0;
}
