#include "fractal_disk.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSamples = 4;  // per pixel and axis
constexpr int kMaxIterations = 160;

// Escape time with a smooth fraction, 0 for points inside the set, else 0..1.
double EscapeValue(std::complex<double> z, std::complex<double> c) {
  for (int n = 0; n < kMaxIterations; ++n) {
    z = z * z + c;
    const double size = std::norm(z);
    if (size > 256.0) {
      const double smooth = n + 1 - std::log2(std::log2(size) / 2.0);
      return std::clamp(std::sqrt(smooth / 40.0), 0.0, 1.0);
    }
  }
  return 0.0;
}

QColor Blend(const QColor& a, const QColor& b, double t) {
  return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                          a.greenF() + (b.greenF() - a.greenF()) * t,
                          a.blueF() + (b.blueF() - a.blueF()) * t);
}

QColor Palette(const DiskStyle& style, double value) {
  if (value == 0.0) return style.middle.darker(300);
  // Bands repeat so the set's filaments show as rings of colour.
  const double band = std::fmod(value * 5.0, 1.0);
  return band < 0.5 ? Blend(style.deep, style.middle, band * 2.0)
                    : Blend(style.middle, style.bright, (band - 0.5) * 2.0);
}

// Light from the upper left: darker rim, a soft glint.
QColor Shade(const QColor& colour, double dx, double dy) {
  const double rim = 1.0 - 0.45 * std::pow(dx * dx + dy * dy, 1.5);
  const double glint = std::exp(-((dx + 0.38) * (dx + 0.38) + (dy + 0.42) * (dy + 0.42)) / 0.05);
  auto channel = [&](double c) { return std::clamp(c * rim + 0.55 * glint, 0.0, 1.0); };
  return QColor::fromRgbF(channel(colour.redF()), channel(colour.greenF()),
                          channel(colour.blueF()));
}

}  // namespace

QImage FractalDisk(int size, const DiskStyle& style) {
  QImage image(size, size, QImage::Format_ARGB32);
  const double radius = size / 2.0 - 0.5;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      double r = 0, g = 0, b = 0, coverage = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const double dx = (x + (sx + 0.5) / kSamples - size / 2.0) / radius;
          const double dy = (y + (sy + 0.5) / kSamples - size / 2.0) / radius;
          if (dx * dx + dy * dy > 1.0) continue;
          const std::complex<double> z(dx * style.zoom / 2.0, dy * style.zoom / 2.0);
          const QColor colour = Shade(Palette(style, EscapeValue(z, style.juliaConstant)), dx, dy);
          r += colour.redF();
          g += colour.greenF();
          b += colour.blueF();
          coverage += 1;
        }
      }
      if (coverage == 0) {
        image.setPixel(x, y, qRgba(0, 0, 0, 0));
        continue;
      }
      const double total = kSamples * kSamples;
      image.setPixelColor(x, y, QColor::fromRgbF(r / coverage, g / coverage, b / coverage,
                                                 coverage / total));
    }
  }
  return image;
}
