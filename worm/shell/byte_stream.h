#pragma once

#include <QByteArray>

#include <cstdint>

// Reads little-endian values from the front of a byte array; the first read
// past its end fails every later one.
class ByteReader {
 public:
  explicit ByteReader(const QByteArray& bytes) : bytes_(bytes) {}

  std::uint8_t Byte();
  std::uint16_t Word();
  std::uint32_t Long();
  // The next count bytes; empty once the reader has failed.
  QByteArray Bytes(qsizetype count);
  bool Ok() const { return ok_; }

 private:
  bool Take(qsizetype count);

  const QByteArray& bytes_;
  qsizetype at_ = 0;
  bool ok_ = true;
};

// Appends little-endian values.
void AppendByte(QByteArray& bytes, std::uint8_t value);
void AppendWord(QByteArray& bytes, std::uint16_t value);
void AppendLong(QByteArray& bytes, std::uint32_t value);
