#pragma once

#include <QImage>
#include <QSize>

class frmWorm;

// The picture the game window shows: its visible picture boxes from bottom
// to top, each with the labels and progress bars standing in it, on black.
QImage ComposeScreen(const frmWorm& form, QSize screenSize);
