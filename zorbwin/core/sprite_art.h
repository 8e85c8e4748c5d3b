#pragma once

#include <cstdint>
#include <span>
#include <string>

// A picture as text: one line per pixel row, one character per pixel.
struct SpriteArt {
  std::int32_t id;
  const char* rows;
};

// The pictures drawn exactly as they are.
std::span<const SpriteArt> PictureArt();

// The chaser and the frightened chaser, frames 0 and 1, with X for the body
// colour and F for the face colour.
std::string ChaserArt(int frame);
std::string FrightenedArt(int frame);
