#pragma once

#include <QString>

#include <cstdint>

class frmWorm;

// Modes of HighScoreScreen.
enum HighScoreMode : std::uint8_t {
  HighScoreEntryMode = 1,  // after a game: a good enough score enters a name
  HighScoreViewMode = 2,   // from the main menu
};

// The high-score table of the database chosenDatabase (TrackPath +
// chosenDatabase + ".whs", or the default table) full-screen in the bitmap
// font. In entry mode a score (tracks completed) below entry 10's returns
// at once; otherwise it takes its place and the player picks a name letter
// by letter (left and right choose among A..Z, Å, Ä, Ö, space, "#" rub out
// and "%" end; fire takes it) and the table is written when the screen
// ends; a failed write is told to the player. Any other mode only shows the
// table and switches tmrMainMenu on at the end.
void HighScoreScreen(frmWorm& form, std::uint8_t mode, const QString& chosenDatabase,
                     std::uint8_t score);
