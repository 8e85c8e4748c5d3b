#pragma once

class frmWorm;
class GameWindow;
class QtPlatform;

// Lets the platform run the window's events through the game window's event
// guard, and turns a close of the window into the end of the program.
void AttachGameWindow(QtPlatform& platform, frmWorm& form, GameWindow& window);
