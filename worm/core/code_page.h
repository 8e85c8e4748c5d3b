#pragma once

#include <QByteArray>
#include <QString>

// Names in track databases are stored one byte per character in the
// Windows-1252 code page.

// Bytes without a character in the code page become U+FFFD.
QString DecodeCodePage(const QByteArray& bytes);

// Characters outside the code page become "?".
QByteArray EncodeCodePage(const QString& text);
