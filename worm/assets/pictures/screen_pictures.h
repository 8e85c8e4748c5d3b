// The full-screen pictures of the choice screens, each with its clip picture
// holding the highlighted items.
#pragma once

#include "choice_items.h"

ScreenPictures makeMainMenuPictures(const ScreenStyle& style);
ScreenPictures makePausePictures(const ScreenStyle& style);
ScreenPictures makeInfoPictures(const ScreenStyle& style);
ScreenPictures makeEndPictures(const ScreenStyle& style);
ScreenPictures makeHighScorePictures(const ScreenStyle& style);
