// "PlayHead.bmp" and "EditorHead.bmp": the 636 x 36 strips above the playfield.
#pragma once

#include "screen_style.h"

QImage makePlayHeadline(const ScreenStyle& style);
QImage makeEditorHeadline(const ScreenStyle& style);
