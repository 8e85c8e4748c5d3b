#pragma once

// The chaser's normal move: out of the house round its leaving path
// (phases 0 to 8), up through the gate to its corner (phase 9), then
// hunting the player by its own rule (phase 10).
void HuntMove(int actor);

// The chaser's phases.
constexpr int LeavingPhases = 8;  // 0 to 7 circle the house
constexpr int PhaseFindExit = 8;  // heading for the cell below the exit
constexpr int PhaseToCorner = 9;
constexpr int PhaseHunting = 10;
