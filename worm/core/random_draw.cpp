#include "core/random_draw.h"

#include "core/platform.h"

#include <algorithm>
#include <cmath>

int RandomDraw(Platform& platform, int n) {
  const int drawn = static_cast<int>(std::floor(n * platform.Random() + 1));
  return std::clamp(drawn, 1, std::max(n, 1));
}
