#pragma once

#include <cstdint>
#include <vector>

// All sprites packed into one 320 x 240 surface, found by id. Results:
// 0 success, 1 surface not in use, 10 sheet full, 11 id not in the sheet,
// 12 no bitmap for the id.
constexpr int SpriteSheetWidth = 320;
constexpr int SpriteSheetHeight = 240;
constexpr int SpriteSheetEntries = 256;

struct SpriteEntry {
  std::int32_t id;
  int x, y;  // place in the sheet, from its bottom-left corner
  int width, height;
};

struct SpriteSheet {
  int surface = -1;
  std::vector<SpriteEntry> entries;
  // Packing cursor and the tallest sprite of the current row.
  int px = 0;
  int py = 0;
  int rowHeight = 0;
};

// The sheet of the running game.
extern SpriteSheet spriteSheet;

// Empties sheet and packs into surface from now on.
int StartSpriteSheet(SpriteSheet& sheet, int surface);
// Adds the built-in bitmap of id at the packing cursor; a sprite that does
// not fit the rest of the row starts the next one.
int AddSprite(SpriteSheet& sheet, std::int32_t id, int width, int height);
// Adds every sprite of the game in its fixed order; the first error, or 0.
int LoadSpriteList(SpriteSheet& sheet);

const SpriteEntry* FindSprite(const SpriteSheet& sheet, std::int32_t id);
// Blits sprite id to (x, y) of destination.
int DrawSprite(const SpriteSheet& sheet, int destination, std::int32_t id, int x, int y, int mode);
// Blits the sprite-sized rectangle at (x, y) of source to (x, y) of destination.
int CopySpriteRect(const SpriteSheet& sheet, int destination, int source, std::int32_t id, int x,
                   int y, int mode);
