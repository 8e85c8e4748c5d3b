#include "platform/sdl_sound_bank.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace {

constexpr int MixChannels = 32;
constexpr int ChunkSamples = 1024;

}  // namespace

int SdlSoundBank::Initialise() {
  if (open_) return 0;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 1;
  if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, ChunkSamples) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return 1;
  }
  Mix_AllocateChannels(MixChannels);
  Mix_Volume(-1, EffectVolume);
  Mix_VolumeMusic(MusicVolume);
  open_ = true;
  return 0;
}

void SdlSoundBank::Load(int slot, const QString& path) {
  if (!open_ || slot < 0) return;
  if (static_cast<std::size_t>(slot) >= slots_.size()) slots_.resize(slot + 1, nullptr);
  if (slots_[slot]) Mix_FreeChunk(slots_[slot]);
  slots_[slot] = Mix_LoadWAV(path.toLocal8Bit().constData());
}

void SdlSoundBank::Play(int slot) {
  if (!open_ || slot < 0 || static_cast<std::size_t>(slot) >= slots_.size() || !slots_[slot])
    return;
  Mix_PlayChannel(-1, slots_[slot], 0);
}

void SdlSoundBank::ShutDown() {
  if (!open_) return;
  Mix_HaltChannel(-1);
  for (Mix_Chunk* chunk : slots_)
    if (chunk) Mix_FreeChunk(chunk);
  slots_.clear();
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  open_ = false;
}
