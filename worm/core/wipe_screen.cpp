#include "core/wipe_screen.h"

#include "core/frm_worm.h"
#include "core/sprite_drawing.h"

namespace {

constexpr int Passes = 8;
constexpr int PassWaitMs = 40;

struct WipeSource {
  Surface* Picture = nullptr;
  int Width = 0;
  int Height = 0;
};

WipeSource SourceOf(frmWorm& form, const QString& screen) {
  if (screen == QLatin1String("Main"))
    return {&form.picDummy.Dc(), 640, 480};
  if (screen == QLatin1String("Play"))
    return {&form.picDummy.Dc(), 636, 444};
  if (screen == QLatin1String("Pause"))
    return {&form.picMisc.Dc(), 636, 444};
  return {};
}

}  // namespace

void WipeScreen(frmWorm& form, bool copy, const QString& screen) {
  const WipeSource source = SourceOf(form, screen);
  Surface& playField = PlayFieldDc(form);
  const RasterOp op = copy ? RasterOp::Copy : RasterOp::Blackness;
  for (int pass = 0; pass < Passes; ++pass) {
    if (source.Picture != nullptr)
      for (int y0 = 0; y0 <= source.Height; y0 += Passes)
        playField.BitBlt(0, y0 + pass, source.Width, 1, *source.Picture, 0, y0 + pass, op);
    form.WaitMs(PassWaitMs);
  }
}
