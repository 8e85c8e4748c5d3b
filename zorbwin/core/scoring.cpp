#include "core/scoring.h"

#include <algorithm>

#include "core/game_state.h"
#include "core/panel_text.h"

namespace {

constexpr int FirstExtraLifeScore = 10000;
constexpr int SecondExtraLifeScore = 50000;

void GiveExtraLife(int above, int32_t& given) {
  if (gameState.score <= above || given != 0) return;
  given = 1;
  ++gameState.lives;
  DrawPanelNumbers();
}

}  // namespace

void AddScore(int points) {
  gameState.score += points;
  DrawPanelNumbers();
}

void CheckExtraLives() {
  GiveExtraLife(FirstExtraLifeScore, gameState.extraLife1);
  GiveExtraLife(SecondExtraLifeScore, gameState.extraLife2);
}

void LoseLife() {
  --gameState.lives;
  DrawPanelNumbers();
  if (gameState.lives <= 0) gameState.phase = PHASE_GAME_OVER;
}

void AdvanceLevel() {
  ++gameState.level;
  DrawPanelNumbers();
}

void RecordBestScore(int score, int shownLevel) {
  constexpr int Entries = 3;
  int place = 0;
  while (place < Entries && score < gameState.bestScores[place]) ++place;
  if (place == Entries) return;
  std::copy_backward(gameState.bestScores + place, gameState.bestScores + Entries - 1,
                     gameState.bestScores + Entries);
  std::copy_backward(gameState.bestLevels + place, gameState.bestLevels + Entries - 1,
                     gameState.bestLevels + Entries);
  gameState.bestScores[place] = score;
  gameState.bestLevels[place] = shownLevel;
}
