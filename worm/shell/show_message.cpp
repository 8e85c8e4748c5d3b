#include "shell/show_message.h"

#include "core/frm_worm.h"
#include "core/input_reader.h"
#include "core/sound_bank.h"

namespace {

constexpr int CountDownFrom = 10;
constexpr int PassesPerCount = 80;
constexpr int CountDownPassMs = 13;
constexpr int AfterZeroMs = 1000;

// The playfield's drawing goes to its kept picture (on) or to the screen.
void KeepPlayFieldDrawing(frmWorm& form, bool kept) {
  form.picPlayField.AutoRedraw = kept;
  form.PlayFieldDC = &form.picPlayField.Dc();
}

void ShowCountDownValue(frmWorm& form, int value) {
  form.lblCountDown.SetCaption(QString::number(value));
}

void PlaceCountDown(frmWorm& form) {
  Label& label = form.lblCountDown;
  label.Left = 155;
  label.Top = 10;
  label.Width = 32;
  label.Height = 30;
  label.Alignment = LabelAlignment::Center;
  label.Font = MakeFont(QStringLiteral("Liberation Sans"), 18, true);
  label.ForeColor = QColor(255, 224, 64);
  ShowCountDownValue(form, CountDownFrom);
  label.Visible = true;
}

void HideCountDown(Label& label) {
  label.SetCaption(QString());
  label.Left = 0;
  label.Top = 0;
  label.Visible = false;
}

void CountDown(frmWorm& form) {
  PlaceCountDown(form);
  InputReader input(form);
  int counter = CountDownFrom;
  for (int pass = 1;; ++pass) {
    if (input.Sample().Fire() && counter > 0) break;
    form.WaitMs(CountDownPassMs);
    if (pass % PassesPerCount == 0) {
      --counter;
      form.PlaySoundEffect(SoundPip);
      ShowCountDownValue(form, counter);
    }
    if (counter == 0) {
      form.WaitMs(AfterZeroMs);
      break;
    }
  }
  form.PlaySoundEffect(SoundSelected);
  HideCountDown(form.lblCountDown);
}

void WaitForFire(frmWorm& form) {
  InputReader input(form);
  while (!input.Sample().Fire()) form.YieldToEvents();
}

void WaitAsMessageAsks(frmWorm& form, std::uint8_t number) {
  switch (number) {
    case MessageGetReady: CountDown(form); break;
    case MessageLifeLost: form.WaitMs(3000); break;
    case MessageTrackDone:
    case MessageGameOver: WaitForFire(form); break;
    case MessageTestEnded:
    case MessageGameSaved:
    case MessageNoDatabase:
    case MessageNoSavedGame: form.WaitMs(1500); break;
    default: break;
  }
}

}  // namespace

void ShowMessage(frmWorm& form, std::int16_t x, std::int16_t y, std::uint8_t number) {
  KeepPlayFieldDrawing(form, true);
  PictureBox& box = form.picMsgBox;
  box.Move(x, y, 200, 50);
  box.LoadPicture(form.PicturePath + QStringLiteral("Message%1.bmp").arg(number));
  box.SetVisible(true);
  box.Refresh();
  WaitAsMessageAsks(form, number);
  box.SetVisible(false);
  box.ClearPicture();
  box.Move(13, 380, 81, 33);
  box.Refresh();
  KeepPlayFieldDrawing(form, false);
}
