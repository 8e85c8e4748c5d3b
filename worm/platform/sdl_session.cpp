#include "platform/sdl_session.h"

#include <SDL.h>

SdlSession::SdlSession() {
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_Init(0);
}

SdlSession::~SdlSession() { SDL_Quit(); }
