#pragma once

#include <QString>
#include <cstdint>

// Buffered reading of files a 4096-byte page at a time, through a table of
// 10 slots. Results: 0 success, 1 no free slot or slot not in use, 4 file
// not opened.
constexpr int PagedFileSlots = 10;
constexpr int PagedFilePageSize = 4096;

// Opens path for reading into the first free slot, stored in slot.
int OpenPagedFile(const QString& path, int& slot);
int ClosePagedFile(int slot);

// Moves the read position to byte position of the file.
int SeekPagedFile(int slot, std::int64_t position);
// Copies up to count bytes to destination; returns the number copied, fewer
// at the end of the file (0 for a slot not in use).
int ReadPagedFile(int slot, std::uint8_t* destination, int count);
