#include "shell/choice_screen.h"

#include "core/frm_worm.h"
#include "core/input_reader.h"
#include "core/sound_bank.h"
#include "core/sprite_drawing.h"
#include "core/wipe_screen.h"

#include <QPoint>
#include <QRect>

#include <algorithm>
#include <iterator>

namespace {

constexpr int FlashMs = 75;

struct ItemRect {
  const QString& Screen;
  std::uint8_t Item;
  QRect Destination;
  QPoint ClipSource;
};

const ItemRect ItemRects[] = {
    {ScreenMain, 1, {256, 206, 130, 40}, {0, 41}},
    {ScreenMain, 2, {450, 291, 82, 39}, {0, 82}},
    {ScreenMain, 3, {249, 370, 142, 39}, {0, 122}},
    {ScreenMain, 4, {112, 288, 89, 42}, {0, 162}},
    {ScreenMain, 5, {275, 289, 95, 40}, {0, 0}},
    {ScreenPause, 1, {103, 164, 135, 135}, {0, 0}},
    {ScreenPause, 2, {249, 79, 135, 135}, {137, 0}},
    {ScreenPause, 3, {402, 162, 135, 135}, {274, 0}},
    {ScreenPause, 4, {249, 244, 135, 135}, {411, 0}},
    {ScreenInfo, 1, {504, 390, 108, 33}, {0, 0}},
    {ScreenTheEnd, 1, {511, 442, 120, 29}, {0, 0}},
    {ScreenHighScore, 1, {507, 444, 124, 31}, {0, 0}},
};

}  // namespace

void HighlightItem(frmWorm& form, const QString& screen, std::uint8_t item) {
  const auto found = std::find_if(std::begin(ItemRects), std::end(ItemRects),
                                  [&](const ItemRect& rect) {
                                    return rect.Screen == screen && rect.Item == item;
                                  });
  if (found == std::end(ItemRects)) return;
  const QRect& to = found->Destination;
  PlayFieldDc(form).BitBlt(to.x(), to.y(), to.width(), to.height(), form.picMiscClip.Dc(),
                           found->ClipSource.x(), found->ClipSource.y(), RasterOp::Copy);
}

void RefreshPlayField(frmWorm& form) { form.picPlayField.Refresh(); }

void FlashChoice(frmWorm& form, const QString& screen, std::uint8_t item, std::uint8_t times) {
  form.PlaySoundEffect(SoundSelected);
  for (int flash = 0; flash <= times; ++flash) {
    HighlightItem(form, screen, item);
    form.WaitMs(FlashMs);
    RefreshPlayField(form);
    form.WaitMs(FlashMs);
  }
  form.WaitMs(FlashMs);
}

void WaitForFireWithMusic(frmWorm& form, InputReader& input) {
  while (!input.Next().Fire()) form.MusicCommand(QStringLiteral("Check"));
}

void WaitUntilReleased(InputReader& input) {
  while (!input.Next().Released()) {
  }
}

void ShowFullScreen(frmWorm& form, const QString& picture, const QString& clip) {
  form.picDummy.LoadPicture(form.PicturePath + picture);
  form.picMiscClip.LoadPicture(form.PicturePath + clip);
  form.DummyDC = &form.picDummy.Dc();
  form.PlayFieldDC = &form.picPlayField.Dc();
  PictureBox& playField = form.picPlayField;
  playField.Move(0, 0, 640, 480);
  playField.ClearPicture();
  playField.SetVisible(true);
  playField.Refresh();
  WipeScreen(form, true, ScreenMain);
  playField.KeepScreen();
}

void LeaveFullScreen(frmWorm& form) {
  WipeScreen(form, false, ScreenMain);
  PictureBox& playField = form.picPlayField;
  playField.SetVisible(false);
  playField.ClearPicture();
  playField.Move(98, 416, 81, 33);
}
