#pragma once

#include "auto_player.h"
#include "core/frm_worm.h"

#include <QString>
#include <QTemporaryDir>

// A game window on the automated player, loaded with the game's pictures
// and sounds from a data folder (the folder of the built program). Its
// program folder is a temporary one that links to the data, so nothing is
// written beside the game.
class AutoPlayWindow {
 public:
  // Loads the window and the database file; false with a message when
  // something is missing.
  bool Open(const QString& dataFolder, const QString& databaseFile, QString& problem);
  // Plays one track of the database to its end.
  TrackReport Play(std::uint8_t track) { return AutoPlayTrack(form_, player_, track); }

  const TrackDatabase& Database() const { return form_.Database; }

 private:
  QTemporaryDir folder_;
  AutoPlayer player_;
  frmWorm form_{player_};
};
