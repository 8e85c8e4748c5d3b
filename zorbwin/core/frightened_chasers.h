#pragma once

// A power dot taken: the next chaser eaten is worth 200; every hunting
// chaser outside the house becomes frightened and slow, and the frightened
// time starts again for the level.
void FrightenChasers();
// 100 ticks before the end: frightened chasers outside the house blink.
void StartBlinking();
// The frightened time is over: frightened and blinking chasers hunt again.
void EndFrightenedTime();
// Counts the frightened time down on the player's stepping tick: blinking
// at 100, the end when it passes 0.
void CountFrightenedTime();
// The player caught a frightened chaser: it turns into eyes going home and
// scores; the fourth of a frightened time ends it.
void EatChaser(int actor);

// The move of a frightened or blinking chaser.
void FleeMove(int actor);
