#include "core/paged_file.h"

#include <QFile>
#include <array>
#include <memory>

namespace {

struct PagedFile {
  std::unique_ptr<QFile> file;
  std::unique_ptr<std::uint8_t[]> page;
  std::int64_t pageNumber = -1;
  int position = 0;
  int valid = 0;
};

std::array<PagedFile, PagedFileSlots> PagedFiles;

PagedFile* SlotInUse(int slot) {
  if (slot < 0 || slot >= PagedFileSlots || !PagedFiles[slot].file) return nullptr;
  return &PagedFiles[slot];
}

// Reads the page at the file's current position into the buffer.
void ReadPage(PagedFile& paged) {
  qint64 got = paged.file->read(reinterpret_cast<char*>(paged.page.get()), PagedFilePageSize);
  paged.valid = got > 0 ? static_cast<int>(got) : 0;
  paged.position = 0;
}

}  // namespace

int OpenPagedFile(const QString& path, int& slot) {
  for (int i = 0; i < PagedFileSlots; ++i) {
    if (PagedFiles[i].file) continue;
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly)) return 4;
    PagedFiles[i] = PagedFile{std::move(file), std::make_unique<std::uint8_t[]>(PagedFilePageSize)};
    slot = i;
    return 0;
  }
  return 1;
}

int ClosePagedFile(int slot) {
  if (!SlotInUse(slot)) return 1;
  PagedFiles[slot] = PagedFile{};
  return 0;
}

int SeekPagedFile(int slot, std::int64_t position) {
  PagedFile* paged = SlotInUse(slot);
  if (!paged || position < 0) return 1;
  std::int64_t pageNumber = position / PagedFilePageSize;
  if (pageNumber != paged->pageNumber) {
    if (!paged->file->seek(pageNumber * PagedFilePageSize)) return 4;
    ReadPage(*paged);
    paged->pageNumber = pageNumber;
  }
  paged->position = static_cast<int>(position % PagedFilePageSize);
  return 0;
}

int ReadPagedFile(int slot, std::uint8_t* destination, int count) {
  PagedFile* paged = SlotInUse(slot);
  if (!paged) return 0;
  int copied = 0;
  while (copied < count) {
    if (paged->position >= paged->valid) {
      ReadPage(*paged);
      ++paged->pageNumber;
      if (paged->valid == 0) break;
    }
    destination[copied++] = paged->page[paged->position++];
  }
  return copied;
}
