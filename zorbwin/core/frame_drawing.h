#pragma once

#include <array>
#include <cstdint>

#include "core/actor_table.h"

// What a frame is drawn from: how each actor looks and where it was and is,
// and how many drawings the background and the window have had.
struct FrameSource {
  struct ActorLook {
    std::int32_t image, mask, frame, x, y, oldX, oldY;
    bool active;
    bool operator==(const ActorLook&) const = default;
  };
  std::array<ActorLook, ActorCount> actors;
  std::uint64_t backgroundDrawings;
  std::uint64_t windowDrawings;
  bool operator==(const FrameSource&) const = default;
};

// Redraws the actors: cleans the rectangles they leave and enter on the
// work surface from the background, draws the active ones there through
// their masks, and copies those rectangles onto the window. Each pass stops
// when the actors stop running. A frame drawn from the same source as the
// last one would draw the same pixels, and is left out.
void DrawFrame();
