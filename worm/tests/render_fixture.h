#pragma once

#include "core/frm_worm.h"
#include "platform/scripted/scripted_platform.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <functional>

// Pixel (dx, dy) of sheet cell `index`: every pixel tells its cell and its
// place in the cell.
inline QRgb SheetPixel(int index, int dx, int dy) {
  return qRgb(index % 256, 128 * (index / 256) + dx * 8, dy * 16 + 8);
}

inline QImage MakeSheet(int columns, int rows) {
  QImage sheet(columns * 12, rows * 12, QImage::Format_RGB32);
  for (int y = 0; y < sheet.height(); ++y)
    for (int x = 0; x < sheet.width(); ++x)
      sheet.setPixel(x, y, SheetPixel(y / 12 * columns + x / 12, x % 12, y % 12));
  return sheet;
}

// The scripted platform with a look at every wait and yield.
class WatchedPlatform : public ScriptedPlatform {
 public:
  void WaitFor(int ms) override {
    if (OnWait)
      OnWait();
    ScriptedPlatform::WaitFor(ms);
  }
  void YieldToEvents() override {
    if (OnWait)
      OnWait();
    ScriptedPlatform::YieldToEvents();
  }
  std::function<void()> OnWait;
};

// A game window with sprite sheets whose pixels name their cells and a
// picture folder of its own.
class RenderFixture : public testing::Test {
 protected:
  RenderFixture() {
    platform.Folder = folder.path() + QStringLiteral("/");
    form.PicturePath = folder.path() + QStringLiteral("/Picture/");
    QDir().mkpath(form.PicturePath);
    form.CellSize = 12;
    form.WormSheetCols = 8;
    form.WormSheetRows = 36;
    form.BlockSheetCols = 10;
    form.BlockSheetRows = 6;
    form.WormCellWidth = form.WormCellHeight = 12;
    form.BlockCellWidth = form.BlockCellHeight = 12;
    form.picWormClip.SetPicture(MakeSheet(8, 36));
    form.picBuildClip.SetPicture(MakeSheet(10, 6));
    form.WormSheetDC = &form.picWormClip.Dc();
    form.BlockSheetDC = &form.picBuildClip.Dc();
  }

  // Writes a one-colour picture into the picture folder (a ".gif" name
  // holds PNG data: the reader goes by the contents).
  void SavePicture(const QString& name, int width, int height, QColor colour) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    const char* format = name.endsWith(QLatin1String(".bmp")) ? "BMP" : "PNG";
    ASSERT_TRUE(picture.save(form.PicturePath + name, format));
  }

  // Whether the 12 x 12 cell at pixel (left, top) of image shows sheet cell index.
  static bool ShowsSheetCell(const QImage& image, int left, int top, int index) {
    for (int dy = 0; dy < 12; ++dy)
      for (int dx = 0; dx < 12; ++dx)
        if (image.pixel(left + dx, top + dy) != SheetPixel(index, dx, dy))
          return false;
    return true;
  }

  QTemporaryDir folder;
  WatchedPlatform platform;
  frmWorm form{platform};
};
