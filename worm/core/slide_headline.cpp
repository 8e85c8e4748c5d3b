#include "core/slide_headline.h"

#include "core/frm_worm.h"

namespace {

constexpr int HiddenTop = -45;
constexpr int StepWaitMs = 12;

int FlagIndex(std::uint8_t which) {
  return which == PlayHeadline ? PlayHeadline : EditorHeadline;
}

void StepTop(frmWorm& form, int top) {
  form.picHeadline.SetTop(top);
  form.picHeadline.Refresh();
  form.WaitMs(StepWaitMs);
}

void SlideOut(frmWorm& form, std::uint8_t which) {
  for (int top = 0; top >= HiddenTop; --top) StepTop(form, top);
  form.picHeadline.ClearPicture();
  form.picHeadline.SetVisible(false);
  form.picHeadline.Move(14, 416, 81, 33);  // resting place while not in use
  form.HeadlineShown[FlagIndex(which)] = false;
}

void SlideIn(frmWorm& form, std::uint8_t which) {
  PictureBox& headline = form.picHeadline;
  headline.Move(2, HiddenTop, headline.Width(), headline.Height());
  const bool play = which == PlayHeadline;
  headline.LoadPicture(form.PicturePath +
                       (play ? QStringLiteral("PlayHead.bmp") : QStringLiteral("EditorHead.bmp")));
  if (play)
    form.HeadlineDC = &headline.Dc();
  form.HeadlineShown[FlagIndex(which)] = true;
  headline.SetVisible(true);
  for (int top = HiddenTop; top <= 0; ++top) StepTop(form, top);
}

}  // namespace

void SlideHeadline(frmWorm& form, std::uint8_t which) {
  if (form.HeadlineShown[EditorHeadline] || form.HeadlineShown[PlayHeadline])
    SlideOut(form, which);
  else
    SlideIn(form, which);
}

Surface& HeadlineDc(frmWorm& form) {
  if (form.HeadlineDC == nullptr)
    form.HeadlineDC = &form.picHeadline.Dc();
  return *form.HeadlineDC;
}
