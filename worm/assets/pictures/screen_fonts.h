// The outline fonts of the screens, loaded from fixed files so that text
// looks the same on every machine.
#pragma once

#include <QFont>
#include <QString>

bool loadScreenFonts(QString* error);

QFont boldFont(int pixelSize);
QFont plainFont(int pixelSize);
QFont narrowBoldFont(int pixelSize);
