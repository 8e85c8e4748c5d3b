#include "shell/pause_screen.h"

#include "core/frm_worm.h"
#include "core/input_reader.h"
#include "core/sound_bank.h"
#include "core/sprite_drawing.h"
#include "core/wipe_screen.h"
#include "shell/choice_screen.h"
#include "shell/running_game.h"
#include "shell/show_message.h"

#include <QDir>

namespace {

const QString PauseCaption = QStringLiteral("The Vora");

// A picture of the play area (636 x 444) wiped in from picMisc with its clip.
void WipeInPlayAreaScreen(frmWorm& form, const QString& picture, const QString& clip) {
  form.picMiscClip.LoadPicture(form.PicturePath + clip);
  form.picMisc.LoadPicture(form.PicturePath + picture);
  form.MiscDC = &form.picMisc.Dc();
  WipeScreen(form, true, QStringLiteral("Pause"));
  form.picPlayField.KeepScreen();
  form.picMisc.ClearPicture();
}

void WipeInPausePicture(frmWorm& form) {
  WipeInPlayAreaScreen(form, QStringLiteral("Pause.jpg"), QStringLiteral("PauseClip.jpg"));
}

// The track as it was before the pause, from picDummy.
void RestorePlayArea(frmWorm& form) {
  WipeScreen(form, true, QStringLiteral("Play"));
  form.picPlayField.KeepScreen();
}

void WaitUntilPauseReleased(InputReader& input) {
  for (;;) {
    const InputSample& sample = input.Next();
    if (sample.Joy.Buttons == 0 && !sample.Keys.Pause) return;
  }
}

void TellSaveFailed(frmWorm& form, const QString& problem) {
  form.System.ShowCursor(true);
  form.System.MessageBox(QStringLiteral("The game was not saved. %1").arg(problem), PauseCaption,
                         MessageButtons::Ok, MessageIcon::Exclamation);
  form.System.ShowCursor(false);
}

void SaveGame(frmWorm& form, RunningGame& game) {
  SavedGame& saved = game.Saved;
  saved.Lives = form.Play.Lives;
  saved.Shield = form.Play.Shield;
  saved.Breaks = form.Play.Breaks;
  saved.DatabaseName = game.ChosenDatabase;
  saved.SaveCounter = form.Database.SaveCounter;
  saved.TracksCompleted = game.TracksCompleted;
  const QString path = form.TrackPath + game.ChosenDatabase + QStringLiteral(".wsf");
  const QString problem = WriteSavedGame(path, saved);
  if (problem.isEmpty())
    ShowMessage(form, 222, 241, MessageGameSaved);
  else
    TellSaveFailed(form, problem);
}

// Lights an item of a side and keeps it lit while the push lasts; fire runs
// chosen, which ends the screen when it answers true.
template <typename Pushed, typename Chosen>
bool HoldSide(frmWorm& form, InputReader& input, std::uint8_t item, Pushed pushed,
              Chosen chosen) {
  form.PlaySoundEffect(SoundPip);
  RefreshPlayField(form);
  HighlightItem(form, ScreenPause, item);
  while (pushed(input.Next())) {
    if (!input.Last().Fire()) continue;
    FlashChoice(form, ScreenPause, item, 3);
    if (chosen()) return true;
  }
  RefreshPlayField(form);
  return false;
}

}  // namespace

std::int16_t PauseScreen(frmWorm& form, RunningGame& game) {
  // The track as it is, to bring it back afterwards.
  form.picDummy.Dc().BitBlt(0, 0, 636, 444, PlayFieldDc(form), 0, 0, RasterOp::Copy);
  form.DummyDC = &form.picDummy.Dc();
  WipeInPausePicture(form);
  InputReader input(form);
  WaitUntilPauseReleased(input);

  bool topLit = false;
  for (;;) {
    const InputSample& sample = input.Next();
    if (sample.Left()) {
      topLit = false;
      if (HoldSide(form, input, PauseItemEnd, [](const InputSample& s) { return s.Left(); },
                   [] { return true; })) {
        RestorePlayArea(form);
        return PauseEndGame;
      }
    } else if (sample.Right()) {
      topLit = false;
      HoldSide(form, input, PauseItemSave, [](const InputSample& s) { return s.Right(); },
               [&] {
                 SaveGame(form, game);
                 return false;
               });
    } else if (sample.Down()) {
      topLit = false;
      HoldSide(form, input, PauseItemInfo, [](const InputSample& s) { return s.Down(); },
               [&] {
                 InfoScreen(form);
                 return false;
               });
    } else if (sample.Fire()) {
      FlashChoice(form, ScreenPause, PauseItemGoOn, 3);
      RestorePlayArea(form);
      return PauseGoOn;
    } else if (!topLit) {
      form.PlaySoundEffect(SoundPip);
      HighlightItem(form, ScreenPause, PauseItemGoOn);
      topLit = true;
    }
  }
}

void InfoScreen(frmWorm& form) {
  WipeInPlayAreaScreen(form, QStringLiteral("Info.jpg"), QStringLiteral("InfoClip.jpg"));
  InputReader input(form);
  WaitUntilReleased(input);
  form.PlaySoundEffect(SoundPip);
  HighlightItem(form, ScreenInfo, 1);
  while (!input.Next().Fire()) {
  }
  FlashChoice(form, ScreenInfo, 1, 3);
  WipeInPausePicture(form);
}
