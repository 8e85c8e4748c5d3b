#pragma once

class frmWorm;

// The screen after the last track of a database: "TheEnd.jpg" wiped in with
// the tune "TheEnd.Mid", sounds 0 and 21, its one item highlighted; fire
// flashes the item and the screen is wiped to black and parked.
void EndScreen(frmWorm& form);
