#include "core/game_lock.h"

std::mutex& GameMutex() {
  static std::mutex mutex;
  return mutex;
}
