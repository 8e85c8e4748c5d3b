// "Message1.bmp" .. "Message8.bmp": the 200 x 50 picture messages laid over play.
#pragma once

#include "screen_style.h"

constexpr int MessageCount = 8;

QImage makeMessagePicture(const ScreenStyle& style, int number);
