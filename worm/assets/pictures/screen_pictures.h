// The full-screen pictures of the choice screens, each with its clip picture
// holding the highlighted items.
#pragma once

#include "screen_style.h"

struct ScreenPictures
{
    QImage full;
    QImage clip;
};

ScreenPictures makeMainMenuPictures(const ScreenStyle& style);
ScreenPictures makePausePictures(const ScreenStyle& style);
ScreenPictures makeInfoPictures(const ScreenStyle& style);
ScreenPictures makeEndPictures(const ScreenStyle& style);
ScreenPictures makeHighScorePictures(const ScreenStyle& style);
