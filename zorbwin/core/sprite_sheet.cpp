#include "core/sprite_sheet.h"

#include <QImage>
#include <algorithm>

#include "core/blit.h"
#include "core/sprite_bitmap.h"
#include "core/sprite_ids.h"
#include "core/surface.h"

SpriteSheet spriteSheet;

namespace {

// The sprites in the order they are packed; all 20 x 20 but the font dot.
constexpr std::int32_t SpriteList[] = {
    512, 513, 514, 515,                                          // player
    520, 521, 522, 523, 524, 525, 526, 527,                      // chasers
    538, 539, 651,                                               // eyes and their mask
    544, 540, 541, 542,                                          // dot, power dot
    528, 529, 530, 531, 532, 533, 534, 535, 536, 537,            // frightened, blinking
    545, 543, 546, 547, 548, 549, 550,                           // blank, walls, gate
    518, 517, 516,                                               // masks
    519,                                                         // font dot
    561, 560, 562, 563, 564, 565, 566, 567, 568, 569, 570, 571,  // fruits and masks
    551, 552, 553, 554, 555, 556, 557, 558,                      // dying and masks
};

void StartRow(SpriteSheet& sheet) {
  sheet.px = 0;
  sheet.py += sheet.rowHeight;
  sheet.rowHeight = 0;
}

// Copies image into the sheet's surface with its bottom-left corner at (x, y).
void PutImage(Surface& surface, const QImage& image, int x, int y, int width, int height) {
  int top = surface.height - y - height;
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column) {
      surface.device.setPixel(x + column, top + row, image.pixel(column, row));
    }
  }
}

}  // namespace

int StartSpriteSheet(SpriteSheet& sheet, int surface) {
  sheet = SpriteSheet{};
  if (!SurfaceInUse(surface)) return 1;
  sheet.surface = surface;
  return 0;
}

int AddSprite(SpriteSheet& sheet, std::int32_t id, int width, int height) {
  Surface* surface = SurfaceInUse(sheet.surface);
  if (!surface) return 1;
  QImage bitmap = SpriteBitmap(id);
  if (bitmap.isNull()) return 12;
  width = std::min(width, bitmap.width());
  height = std::min(height, bitmap.height());
  if (sheet.px + width > SpriteSheetWidth) StartRow(sheet);
  if (static_cast<int>(sheet.entries.size()) >= SpriteSheetEntries || width > SpriteSheetWidth ||
      sheet.py + height > SpriteSheetHeight) {
    return 10;
  }
  PutImage(*surface, bitmap, sheet.px, sheet.py, width, height);
  sheet.entries.push_back({id, sheet.px, sheet.py, width, height});
  sheet.px += width;
  sheet.rowHeight = std::max(sheet.rowHeight, height);
  if (sheet.px >= SpriteSheetWidth) StartRow(sheet);
  return 0;
}

int LoadSpriteList(SpriteSheet& sheet) {
  int result = 0;
  for (std::int32_t id : SpriteList) {
    int size = id == SpriteFontDot ? FontDotSize : SpriteSize;
    int added = AddSprite(sheet, id, size, size);
    if (result == 0) result = added;
  }
  return result;
}

const SpriteEntry* FindSprite(const SpriteSheet& sheet, std::int32_t id) {
  auto found = std::find_if(sheet.entries.begin(), sheet.entries.end(),
                            [id](const SpriteEntry& entry) { return entry.id == id; });
  return found == sheet.entries.end() ? nullptr : &*found;
}

int DrawSprite(const SpriteSheet& sheet, int destination, std::int32_t id, int x, int y, int mode) {
  const SpriteEntry* entry = FindSprite(sheet, id);
  if (!entry) return 11;
  return Blit(sheet.surface, destination, entry->x, entry->y, entry->width, entry->height, x, y,
              mode);
}

int CopySpriteRect(const SpriteSheet& sheet, int destination, int source, std::int32_t id, int x,
                   int y, int mode) {
  const SpriteEntry* entry = FindSprite(sheet, id);
  if (!entry) return 11;
  return Blit(source, destination, x, y, entry->width, entry->height, x, y, mode);
}
