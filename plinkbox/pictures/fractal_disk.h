#pragma once

#include <QColor>
#include <QImage>
#include <complex>

// A round disk filled with a coloured Julia set, shaded like a glossy counter.
struct DiskStyle {
  std::complex<double> juliaConstant;
  double zoom;            // width of the complex plane the disk shows
  QColor deep;            // colour of points that escape at once
  QColor middle;
  QColor bright;          // colour near the set's border
};

QImage FractalDisk(int size, const DiskStyle& style);
