#include "platform/sdl_midi_player.h"

#include "core/platform.h"

#include <QFileInfo>

#include <SDL_mixer.h>

namespace {

// The first General MIDI soundfont found.
void ChooseSoundFont() {
  static bool chosen = false;
  if (chosen) return;
  chosen = true;
  for (const char* font : {"/usr/share/sounds/sf2/TimGM6mb.sf2",
                           "/usr/share/sounds/sf2/default-GM.sf2"}) {
    if (QFileInfo::exists(QString::fromLatin1(font))) {
      Mix_SetSoundFonts(font);
      return;
    }
  }
}

}  // namespace

SdlMidiPlayer::~SdlMidiPlayer() { Release(); }

void SdlMidiPlayer::Release() {
  if (music_) {
    Mix_HaltMusic();
    Mix_FreeMusic(music_);
  }
  music_ = nullptr;
  loadedFile_.clear();
  open_ = false;
  paused_ = false;
}

void SdlMidiPlayer::Open() {
  // The tune stays loaded after a close, so reopening it (a repeat) is quick.
  if (music_ && loadedFile_ != fileName_) Release();
  if (!music_) {
    ChooseSoundFont();
    music_ = Mix_LoadMUS(fileName_.toLocal8Bit().constData());
    loadedFile_ = music_ ? fileName_ : QString();
  }
  // A tune that cannot be loaded leaves the player closed, so "Check" does
  // not try it again on every pass.
  open_ = music_ != nullptr;
  paused_ = false;
}

void SdlMidiPlayer::Command(const QString& command, bool audioOpen) {
  if (!audioOpen) return;
  const QString name = command.toLower();
  if (name == QLatin1String("open")) {
    if (!open_) Open();
  } else if (name == QLatin1String("play")) {
    if (open_ && music_) Mix_PlayMusic(music_, 1);
    paused_ = false;
  } else if (name == QLatin1String("pause")) {
    if (paused_) {
      Mix_ResumeMusic();
      paused_ = false;
    } else if (open_ && Mix_PlayingMusic()) {
      Mix_PauseMusic();
      paused_ = true;
    }
  } else if (name == QLatin1String("stop")) {
    Mix_HaltMusic();
    paused_ = false;
  } else if (name == QLatin1String("close")) {
    Mix_HaltMusic();
    open_ = false;
    paused_ = false;
  }
}

int SdlMidiPlayer::Mode() const {
  if (!open_) return MidiModeNotOpen;
  if (paused_) return MidiModePaused;
  return Mix_PlayingMusic() ? MidiModePlaying : MidiModeStopped;
}
