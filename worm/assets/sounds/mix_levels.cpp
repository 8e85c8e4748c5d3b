// Measures the sound effects and tunes as the game's mixer plays them: the
// peak of each tune at the music volume, the peak of each effect at the effect
// volume, and how close two effects over the loudest tune come to full scale.
// Runs the mixer on SDL's file driver as fast as it can render, not in real
// time. Run it beside the game (it finds Sound/ beside itself).

#include "core/platform.h"
#include "core/sound_bank.h"
#include "platform/sdl_midi_player.h"
#include "platform/sdl_sound_bank.h"

#include <QCoreApplication>
#include <QDir>

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Stream = std::vector<std::int16_t>;

const char* const TuneFiles[] = {"Vora1.Mid", "Vora2.Mid", "Vora3.Mid", "Vora4.Mid",
                                 "Vora5.Mid", "Main.Mid",  "High.Mid",  "TheEnd.Mid"};

// Gap between the places where the two effects are laid over the tune.
constexpr double OverlapStepSeconds = 0.1;

double Decibels(double level) { return 20 * std::log10(std::max(level, 1e-9)); }

double Peak(const Stream& stream) {
  int peak = 0;
  for (std::int16_t s : stream) peak = std::max(peak, std::abs(static_cast<int>(s)));
  return peak / 32768.0;
}

// Everything the mixer hands to the device while it records.
class MixRecorder {
 public:
  MixRecorder() { Mix_SetPostMix(&MixRecorder::Record, this); }
  ~MixRecorder() { Mix_SetPostMix(nullptr, nullptr); }

  // The recording so far; starts a new one.
  Stream Take() {
    SDL_LockAudio();
    Stream taken;
    taken.swap(stream_);
    SDL_UnlockAudio();
    return taken;
  }

 private:
  static void Record(void* self, Uint8* bytes, int length) {
    auto* recorder = static_cast<MixRecorder*>(self);
    const auto* samples = reinterpret_cast<const std::int16_t*>(bytes);
    recorder->stream_.insert(recorder->stream_.end(), samples, samples + length / 2);
  }

  Stream stream_;
};

// A tune played once through the game's music player, as the mixer sent it.
Stream PlayTune(const QString& path, MixRecorder& recorder) {
  SdlMidiPlayer player;
  player.SetFileName(path);
  player.Command("Open", true);
  recorder.Take();
  player.Command("Play", true);
  while (player.Mode() == MidiModePlaying) SDL_Delay(5);
  player.Command("Close", true);
  return recorder.Take();
}

// An effect as the mixer plays it: converted to the device format, at the
// effect volume.
Stream EffectAsMixed(const QString& path) {
  Stream out;
  Mix_Chunk* chunk = Mix_LoadWAV(path.toLocal8Bit().constData());
  if (!chunk) return out;
  const auto* samples = reinterpret_cast<const std::int16_t*>(chunk->abuf);
  for (Uint32 i = 0; i < chunk->alen / 2; ++i)
    out.push_back(static_cast<std::int16_t>(samples[i] * EffectVolume / MIX_MAX_VOLUME));
  Mix_FreeChunk(chunk);
  return out;
}

// The largest sample of music with both effects started together every step
// samples, summed without the mixer's clamping.
double OverlapPeak(const Stream& music, const Stream& first, const Stream& second,
                   std::size_t step) {
  double peak = 0;
  for (std::size_t start = 0; start < music.size(); start += step) {
    for (std::size_t i = 0; i < std::max(first.size(), second.size()); ++i) {
      if (start + i >= music.size()) break;
      const int sum = music[start + i] + (i < first.size() ? first[i] : 0) +
                      (i < second.size() ? second[i] : 0);
      peak = std::max(peak, std::abs(sum) / 32768.0);
    }
  }
  return peak;
}

// The peak of a wave file's own samples, before the mixer converts them.
double FilePeak(const QString& path) {
  SDL_AudioSpec spec;
  Uint8* bytes = nullptr;
  Uint32 length = 0;
  if (!SDL_LoadWAV(path.toLocal8Bit().constData(), &spec, &bytes, &length)) return 0;
  const auto* samples = reinterpret_cast<const std::int16_t*>(bytes);
  const double peak = Peak(Stream(samples, samples + length / 2));
  SDL_FreeWAV(bytes);
  return peak;
}

struct Loudest {
  double peak = 0;
  int index = -1;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QString soundFolder = QCoreApplication::applicationDirPath() + "/Sound/";
  SDL_setenv("SDL_AUDIODRIVER", "disk", 1);
  SDL_setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
  SDL_setenv("SDL_DISKAUDIODELAY", "0", 1);
  SDL_Init(0);
  SdlSoundBank bank;
  if (bank.Initialise() != 0) {
    std::fprintf(stderr, "no audio device: %s\n", SDL_GetError());
    return 1;
  }
  int frequency = 0, channels = 0;
  Uint16 format = 0;
  Mix_QuerySpec(&frequency, &format, &channels);
  MixRecorder recorder;

  std::printf("music volume %d/128, effect volume %d/128\n\ntune peaks:\n", MusicVolume,
              EffectVolume);
  Stream loudestTune;
  Loudest tune;
  for (int i = 0; i < static_cast<int>(std::size(TuneFiles)); ++i) {
    Stream music = PlayTune(soundFolder + TuneFiles[i], recorder);
    const double peak = Peak(music);
    std::printf("  %-12s %.3f (%6.2f dBFS)\n", TuneFiles[i], peak, Decibels(peak));
    if (peak > tune.peak) {
      tune = {peak, i};
      loudestTune.swap(music);
    }
  }

  std::printf("\neffect peaks: in the file, as mixed, and how far the mixer's conversion\n"
              "overshoots the file's peak at the effect volume:\n");
  double worstOvershoot = 0;
  std::vector<Stream> effects;
  Loudest first, second;
  for (int slot = 0; slot < SoundCount; ++slot) {
    const QString path = soundFolder + SoundFileNames[slot];
    effects.push_back(EffectAsMixed(path));
    const double peak = Peak(effects.back());
    const double overshoot = peak / (FilePeak(path) * EffectVolume / MIX_MAX_VOLUME) - 1;
    worstOvershoot = std::max(worstOvershoot, overshoot);
    std::printf("  %2d %-14s %.3f  %.3f (%6.2f dBFS)  %+5.1f %%\n", slot, SoundFileNames[slot],
                FilePeak(path), peak, Decibels(peak), 100 * overshoot);
    if (peak > first.peak) {
      second = first;
      first = {peak, slot};
    } else if (peak > second.peak) {
      second = {peak, slot};
    }
  }
  bank.ShutDown();
  SDL_Quit();
  if (tune.index < 0 || second.index < 0) {
    std::fprintf(stderr, "the tunes or sounds are missing in %s\n", qPrintable(soundFolder));
    return 1;
  }

  std::printf("  worst overshoot %.1f %%\n", 100 * worstOvershoot);

  const double bound = tune.peak + first.peak + second.peak;
  const auto step = static_cast<std::size_t>(OverlapStepSeconds * frequency) * channels;
  const double overlap =
      OverlapPeak(loudestTune, effects[first.index], effects[second.index], step);
  std::printf("\nworst case, %s and %s at their peaks over the peak of %s: %.3f (%.2f dBFS)\n",
              SoundFileNames[first.index], SoundFileNames[second.index], TuneFiles[tune.index],
              bound, Decibels(bound));
  std::printf("both started together every %.0f ms over that tune: peak %.3f (%.2f dBFS)\n",
              OverlapStepSeconds * 1000, overlap, Decibels(overlap));
  std::printf("%s\n", bound < 1 ? "no clipping" : "CLIPS");
  return bound < 1 ? 0 : 1;
}
