#include "core/progress_bar.h"

#include <algorithm>

double ProgressBar::Fraction() const {
  if (Max <= Min) return 0.0;
  return std::clamp(static_cast<double>(Value - Min) / (Max - Min), 0.0, 1.0);
}
