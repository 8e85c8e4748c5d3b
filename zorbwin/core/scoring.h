#pragma once

// Points of the things eaten.
constexpr int DotPoints = 10;
constexpr int FirstChaserPoints = 200;
constexpr int LastChaserPoints = 1600;
constexpr int MostFruitPoints = 5000;

// Adds points to the score and shows it.
void AddScore(int points);
// One extra life when the score first exceeds 10000, one more above 50000;
// each once per game.
void CheckExtraLives();
// One life less; the last one ends the game.
void LoseLife();
// The next level, shown on the panel.
void AdvanceLevel();
// The score of a finished game with its shown level enters the three best
// games in its place; a score equal to a stored one goes above it.
void RecordBestScore(int score, int shownLevel);
