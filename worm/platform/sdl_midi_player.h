#pragma once

#include <QString>

struct _Mix_Music;

// The MIDI player: a tune file, the commands "Open", "Play", "Pause"
// (again: go on), "Stop" and "Close" in any case, and the mode. Tunes play
// through the mixer's synthesiser with a General MIDI soundfont; a missing tune
// file plays nothing and leaves the player closed.
class SdlMidiPlayer {
 public:
  SdlMidiPlayer() = default;
  SdlMidiPlayer(const SdlMidiPlayer&) = delete;
  SdlMidiPlayer& operator=(const SdlMidiPlayer&) = delete;
  ~SdlMidiPlayer();

  void SetFileName(const QString& path) { fileName_ = path; }
  // Commands need the audio device of the sound bank; without it they do
  // nothing.
  void Command(const QString& command, bool audioOpen);
  int Mode() const;
  // Drops the loaded tune; called before the audio device closes.
  void Release();

 private:
  void Open();

  QString fileName_;
  QString loadedFile_;
  _Mix_Music* music_ = nullptr;
  bool open_ = false;
  bool paused_ = false;
};
