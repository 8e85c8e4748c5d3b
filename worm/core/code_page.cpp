#include "core/code_page.h"

#include <array>

namespace {

// Characters of the bytes 0x80..0x9F; the other bytes equal their code point.
// The five bytes the code page leaves unassigned keep their own code point
// too, so every name reads back into the bytes it came from.
constexpr std::array<char16_t, 32> HighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t CharacterOf(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return HighControlRange[byte - 0x80];
  return byte;
}

char ByteOf(char16_t character) {
  if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
    return static_cast<char>(character);
  for (std::size_t i = 0; i < HighControlRange.size(); ++i) {
    if (HighControlRange[i] == character) return static_cast<char>(0x80 + i);
  }
  return '?';
}

}  // namespace

QString DecodeCodePage(const QByteArray& bytes) {
  QString text;
  text.reserve(bytes.size());
  for (char byte : bytes) text.append(QChar(CharacterOf(static_cast<unsigned char>(byte))));
  return text;
}

QByteArray EncodeCodePage(const QString& text) {
  QByteArray bytes;
  bytes.reserve(text.size());
  for (QChar character : text) {
    if (character.isHighSurrogate()) continue;  // one "?" per character
    bytes.append(ByteOf(character.unicode()));
  }
  return bytes;
}
