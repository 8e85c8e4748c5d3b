#include "core/picture_box.h"

#include <QImageReader>

#include <algorithm>

PictureBox::PictureBox(int left, int top, int width, int height)
    : left_(left), top_(top), screen_(width, height), kept_(width, height) {}

void PictureBox::Move(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  screen_.Resize(width, height, BackColor);
  kept_.Resize(std::max(width, kept_.Width()), std::max(height, kept_.Height()), BackColor);
}

Surface& PictureBox::Dc() {
  Surface& surface = AutoRedraw ? kept_ : screen_;
  surface.Font = Font;
  surface.ForeColor = ForeColor;
  surface.BackColor = BackColor;
  surface.FontTransparent = FontTransparent;
  return surface;
}

void PictureBox::SetVisible(bool visible) {
  if (visible && !visible_) Refresh();
  visible_ = visible;
}

bool PictureBox::LoadPicture(const QString& path) {
  QImageReader reader(path);
  const QImage picture = reader.read();
  if (picture.isNull()) return false;
  SetPicture(picture);
  return true;
}

void PictureBox::SetPicture(const QImage& picture) {
  if (AutoSize) screen_.Resize(picture.width(), picture.height(), BackColor);
  Surface loaded(std::max(picture.width(), Width()), std::max(picture.height(), Height()),
                 BackColor);
  Surface source;
  source.Assign(picture);
  loaded.BitBlt(0, 0, source.Width(), source.Height(), source, 0, 0, RasterOp::Copy);
  kept_ = loaded;
  Refresh();
}

void PictureBox::ClearPicture() {
  kept_ = Surface(Width(), Height(), BackColor);
  Refresh();
}

void PictureBox::KeepScreen() {
  kept_ = screen_;
}

void PictureBox::Refresh() {
  screen_.Fill(BackColor);
  screen_.BitBlt(0, 0, Width(), Height(), kept_, 0, 0, RasterOp::Copy);
}
