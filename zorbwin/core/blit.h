#pragma once

// How a copy combines with the destination.
enum BlitMode : int {
  BLIT_COPY = 1,
  BLIT_AND = 2,
  BLIT_OR = 3,
  BLIT_XOR = 4,
  BLIT_NOT_SOURCE = 5,  // any other value copies
};

// Copies the width x height rectangle at (sourceX, sourceY) of source to
// (destinationX, destinationY) of destination, both positions counted from
// the bottom-left corner of their surface. The parts outside either surface
// are left out. Returns 0, or 1 when a surface is not in use.
int Blit(int source, int destination, int sourceX, int sourceY, int width, int height,
         int destinationX, int destinationY, int mode);
