#include "core/actor_cells.h"

#include "core/game_state.h"

namespace {

constexpr int FarEdge = CellWidth - 1;

}  // namespace

Position PositionAhead(const Actor& actor) {
  switch (actor.dir) {
    case DIR_LEFT:
      return {actor.x - actor.stepX, actor.y};
    case DIR_RIGHT:
      return {actor.x + actor.stepX, actor.y};
    case DIR_UP:
      return {actor.x, actor.y + actor.stepY};
    case DIR_DOWN:
      return {actor.x, actor.y - actor.stepY};
    default:
      return {actor.x, actor.y};
  }
}

FourCells CornerCells(const Actor& actor) {
  auto [x, y] = PositionAhead(actor);
  return {CellAtPixel(gameMaze, x, y), CellAtPixel(gameMaze, x + FarEdge, y),
          CellAtPixel(gameMaze, x, y + FarEdge), CellAtPixel(gameMaze, x + FarEdge, y + FarEdge)};
}

CellCode CentreCell(const Actor& actor) {
  return CellAtPixel(gameMaze, actor.x + CellWidth / 2, actor.y + CellHeight / 2);
}

bool AnyCellIn(std::string_view set, const FourCells& cells) {
  for (CellCode code : cells) {
    if (set.find(code) != std::string_view::npos) return true;
  }
  return false;
}

bool BlockedAhead(const Actor& actor, std::string_view set) {
  return AnyCellIn(set, CornerCells(actor));
}
