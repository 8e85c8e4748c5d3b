#pragma once

// Registers the main window's event table for window id 16: 0, or 3 when no
// slot is free.
int RegisterMainWindowEvents();
