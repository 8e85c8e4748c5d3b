#include "core/sound_bank.h"

#include "core/frm_worm.h"

const std::array<const char*, SoundCount> SoundFileNames = {
    "Applaus.wav",  "Bonus.wav",    "Break.wav",    "Door.wav",      "Eat1.wav",
    "Eat2.wav",     "Eat3.wav",     "Eat4.wav",     "Fanfare1.wav",  "Fanfare2.wav",
    "Go.wav",       "Grid.wav",     "Gulp.wav",     "Help.wav",      "Hit1.wav",
    "Hit2.wav",     "Hit3.wav",     "Hit4.wav",     "Key.wav",       "Killed.wav",
    "LavaPain.wav", "Pip.wav",      "Plopp.wav",    "Remove.wav",    "Selected.wav",
    "Siren.wav",    "Skid.wav",     "Spinner.wav",  "Stamp.wav",     "WallBreak.wav",
    "WaterIn.wav",  "WaterOut.wav", "Turbo.wav",    "Xlife.wav"};

void frmWorm::LoadSoundBank() {
  for (int slot = 0; slot < SoundCount; ++slot)
    System.SoundLoad(slot, SoundPath + QString::fromLatin1(SoundFileNames[slot]));
}

void frmWorm::PlaySoundEffect(std::uint8_t number) {
  if (SoundStatus == 0) System.SoundPlay(number);
}
