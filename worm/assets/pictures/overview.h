// Overview pictures for looking at the art: every sheet cell enlarged with its
// number, and every picture on a contact sheet.
#pragma once

#include "picture_set.h"

bool writeOverviews(const std::vector<PictureFile>& files, const QString& folder, QString* error);
