#include "core/frame_drawing.h"

#include "core/actor_table.h"
#include "core/blit.h"
#include "core/game_state.h"
#include "core/game_surfaces.h"
#include "core/sprite_sheet.h"

namespace {

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
}
