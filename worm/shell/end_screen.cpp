#include "shell/end_screen.h"

#include "core/frm_worm.h"
#include "core/input_reader.h"
#include "core/sound_bank.h"
#include "shell/choice_screen.h"

void EndScreen(frmWorm& form) {
  ShowFullScreen(form, QStringLiteral("TheEnd.jpg"), QStringLiteral("TheEndClip.jpg"));
  form.System.MidiFileName(form.SoundPath + QStringLiteral("TheEnd.Mid"));
  form.MusicCommand(QStringLiteral("Play"));
  form.PlaySoundEffect(SoundApplaus);
  form.PlaySoundEffect(SoundPip);
  HighlightItem(form, ScreenTheEnd, 1);
  InputReader input(form);
  WaitForFireWithMusic(form, input);
  FlashChoice(form, ScreenTheEnd, 1, 3);
  LeaveFullScreen(form);
  form.MusicCommand(QStringLiteral("Stop"));
}
