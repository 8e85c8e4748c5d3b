#include "shell/byte_stream.h"

bool ByteReader::Take(qsizetype count) {
  if (ok_ && count >= 0 && count <= bytes_.size() - at_) return true;
  ok_ = false;
  return false;
}

std::uint8_t ByteReader::Byte() {
  if (!Take(1)) return 0;
  return static_cast<std::uint8_t>(bytes_[at_++]);
}

std::uint16_t ByteReader::Word() {
  const std::uint16_t low = Byte();
  const std::uint16_t high = Byte();
  return static_cast<std::uint16_t>(low | high << 8);
}

std::uint32_t ByteReader::Long() {
  const std::uint32_t low = Word();
  const std::uint32_t high = Word();
  return low | high << 16;
}

QByteArray ByteReader::Bytes(qsizetype count) {
  if (!Take(count)) return {};
  const QByteArray taken = bytes_.mid(at_, count);
  at_ += count;
  return taken;
}

void AppendByte(QByteArray& bytes, std::uint8_t value) { bytes.append(static_cast<char>(value)); }

void AppendWord(QByteArray& bytes, std::uint16_t value) {
  AppendByte(bytes, value & 0xFF);
  AppendByte(bytes, value >> 8);
}

void AppendLong(QByteArray& bytes, std::uint32_t value) {
  AppendWord(bytes, value & 0xFFFF);
  AppendWord(bytes, value >> 16);
}
