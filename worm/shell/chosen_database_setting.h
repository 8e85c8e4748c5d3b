#pragma once

#include <QString>

class Platform;

// The database the menu plays, by name without ".wdb"; stored per user under
// application "Vora", section "Misc", key "Choosen Database".
QString ReadChosenDatabase(Platform& platform);  // "Empty" when never stored
void SaveChosenDatabase(Platform& platform, const QString& name);
