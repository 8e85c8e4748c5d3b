#pragma once

class SettingsStore;

// Starts a new game at the starting level of the store: no points, three
// lives, a fruit worth 100, no extra life given yet; the panel shows it. The
// level itself is built by LoadCurrentLevel.
void StartNewGame(const SettingsStore& store);
