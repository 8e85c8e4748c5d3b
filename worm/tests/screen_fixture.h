#pragma once

#include "core/sprite_drawing.h"
#include "render_fixture.h"

#include <vector>

// The numbers of the sounds played so far.
inline std::vector<int> SoundsOf(const ScriptedPlatform& platform) {
  std::vector<int> numbers;
  for (const auto& played : platform.PlayedSounds) numbers.push_back(played.Slot);
  return numbers;
}

// A game window with one-colour screen pictures: every full picture plain,
// every clip picture (the highlighted items) and message picture of its own
// colour, so that a pixel tells what the screen shows.
class ScreenFixture : public RenderFixture {
 protected:
  static constexpr QRgb Plain = 0xff203040;
  static constexpr QRgb Lit = 0xffe0c020;
  static constexpr QRgb MessageColour = 0xff40a040;

  ScreenFixture() {
    form.SoundPath = folder.path() + QStringLiteral("/Sound/");
    for (const char* name : {"MainMenu.jpg", "TheEnd.jpg", "HighScore.jpg"})
      SavePicture(name, 640, 480, Plain);
    for (const char* name : {"MainMenuClip.jpg", "TheEndClip.jpg", "HighScoreClip.jpg"})
      SavePicture(name, 640, 480, Lit);
    for (const char* name : {"Pause.jpg", "Info.jpg"}) SavePicture(name, 636, 444, Plain);
    for (const char* name : {"PauseClip.jpg", "InfoClip.jpg"}) SavePicture(name, 636, 444, Lit);
    for (int number = 1; number <= 8; ++number)
      SavePicture(QStringLiteral("Message%1.bmp").arg(number), 200, 50, MessageColour);
  }

  QRgb PlayFieldPixel(int x, int y) { return PlayFieldDc(form).Pixel(x, y); }

  std::vector<int> Sounds() const { return SoundsOf(platform); }

  // The music commands (and "File" names) sent so far.
  QStringList Music() const {
    QStringList commands;
    for (const auto& event : platform.MidiEvents)
      commands << (event.Command == QLatin1String("File") ? event.Argument : event.Command);
    return commands;
  }

  int TotalWaitMs() const {
    int total = 0;
    for (int ms : platform.Waits) total += ms;
    return total;
  }
};
