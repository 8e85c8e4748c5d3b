#pragma once

#include <QString>

#include <vector>

struct Mix_Chunk;

// Mixer volumes out of 128. Effects play below full volume and the music
// well below it, so that two effects at their peaks over the loudest tune
// stay under full scale.
inline constexpr int EffectVolume = 96;
inline constexpr int MusicVolume = 40;

// Sound effects in numbered slots, played on mixer channels so that they
// overlap. Also opens the audio device the music plays on.
class SdlSoundBank {
 public:
  SdlSoundBank() = default;
  SdlSoundBank(const SdlSoundBank&) = delete;
  SdlSoundBank& operator=(const SdlSoundBank&) = delete;
  ~SdlSoundBank() { ShutDown(); }

  // 0 when the audio device opened, 1 otherwise.
  int Initialise();
  // A file that cannot be loaded leaves its slot silent.
  void Load(int slot, const QString& path);
  void Play(int slot);
  void ShutDown();
  bool IsOpen() const { return open_; }

 private:
  std::vector<Mix_Chunk*> slots_;
  bool open_ = false;
};
