#pragma once

#include <QByteArray>
#include <QString>

// Names in track databases are stored one byte per character in the
// Windows-1252 code page.

// Every byte becomes one character and encodes back into the same byte.
QString DecodeCodePage(const QByteArray& bytes);

// Characters outside the code page become "?".
QByteArray EncodeCodePage(const QString& text);
