#pragma once

class frmWorm;
struct RunningGame;

// Runs one game over the chosen database (setting "Choosen Database"):
// track after track from NextTrack, easy tracks first, with lives; a lost
// life plays the same track again with the shield and breaking pads of the
// database settings. With form.Play.ResumeGame the game goes on from
// game.Saved, starting on its track with its lives. A track without a
// start, or a number the database does not have, is skipped. The game ends
// with the playfield wiped and parked, the end screen after the last track
// and the high-score entry unless the game was quit; then the main menu
// timer runs again. A database file that cannot be read is reported and no
// game is played.
void PlayDatabase(frmWorm& form, RunningGame& game);
