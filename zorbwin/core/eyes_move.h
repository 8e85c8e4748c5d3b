#pragma once

// The eyes of an eaten chaser find their way to the cell above the house
// gate, then go down into the house.
void EyesMove(int actor);
// Straight down through the gate; in the house the chaser starts again.
void EnterHouseMove(int actor);
