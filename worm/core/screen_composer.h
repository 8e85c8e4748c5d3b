#pragma once

#include <QImage>
#include <QSize>

#include <cstddef>

class frmWorm;

// The picture the game window shows: its visible picture boxes from bottom
// to top, each with the labels and progress bars standing in it, on black.
QImage ComposeScreen(const frmWorm& form, QSize screenSize);

// Changes whenever the composed screen may change: any surface drawn on, or
// a box or control moved, shown, hidden or given another caption or value.
std::size_t ScreenState(const frmWorm& form);
