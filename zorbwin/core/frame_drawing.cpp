#include "core/frame_drawing.h"

#include "core/actor_table.h"
#include "core/blit.h"
#include "core/game_state.h"
#include "core/game_surfaces.h"
#include "core/sprite_sheet.h"
#include "core/surface.h"

namespace {

std::uint64_t Drawings(int surface) {
  const Surface* used = SurfaceInUse(surface);
  return used != nullptr ? used->drawings : 0;
}

FrameSource CurrentFrameSource() {
  FrameSource source{};
  for (int index = 0; index < ActorCount; ++index) {
    const Actor& actor = actorTable[index];
    source.actors[index] = {actor.image, actor.mask, actor.frame, actor.x,
                            actor.y,     actor.oldX, actor.oldY,  IsActive(actor)};
  }
  source.backgroundDrawings = Drawings(gameSurfaces.backgroundSurface);
  source.windowDrawings = Drawings(gameSurfaces.windowSurface);
  return source;
}

// Copies the actor's rectangles, where it was and where it is, from source
// to destination; once when it has not moved.
void CopyActorRects(const Actor& actor, int source, int destination) {
  if (actor.oldX != actor.x || actor.oldY != actor.y)
    CopySpriteRect(spriteSheet, destination, source, actor.image, actor.oldX, actor.oldY,
                   BLIT_COPY);
  CopySpriteRect(spriteSheet, destination, source, actor.image, actor.x, actor.y, BLIT_COPY);
}

}  // namespace

void DrawFrame() {
  if (gameState.running != 1 || gameSurfaces.shownFrame == CurrentFrameSource()) return;
  EachRunningActor([](int, const Actor& actor) {
    CopyActorRects(actor, gameSurfaces.backgroundSurface, gameSurfaces.workSurface);
  });
  EachRunningActor([](int, const Actor& actor) {
    if (!IsActive(actor)) return;
    DrawSprite(spriteSheet, gameSurfaces.workSurface, actor.mask, actor.x, actor.y, BLIT_AND);
    DrawSprite(spriteSheet, gameSurfaces.workSurface, actor.image + actor.frame, actor.x, actor.y,
               BLIT_OR);
  });
  EachRunningActor([](int, const Actor& actor) {
    CopyActorRects(actor, gameSurfaces.workSurface, gameSurfaces.windowSurface);
  });
  gameSurfaces.shownFrame = CurrentFrameSource();
}
