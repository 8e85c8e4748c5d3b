#include "core/move_dir.h"

std::uint8_t ReverseDir(std::uint8_t dir) {
  switch (dir) {
    case DIR_LEFT:
      return DIR_RIGHT;
    case DIR_RIGHT:
      return DIR_LEFT;
    case DIR_UP:
      return DIR_DOWN;
    case DIR_DOWN:
      return DIR_UP;
    default:
      return dir;
  }
}
