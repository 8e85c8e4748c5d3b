// Every picture and cursor file of the game, made in memory.
#pragma once

#include "palette.h"
#include "pixel_art.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <vector>

struct PictureFile
{
    QString folder;  // "Picture" or "Curser"
    QString name;    // the exact file name the game opens
    QImage image;
    QPoint hotSpot;  // cursors only
};

struct ArtSources
{
    Palette palette;
    ArtBook blocks;
    ArtBook glyphs;
};

std::vector<PictureFile> makePictureSet(const ArtSources& sources);
