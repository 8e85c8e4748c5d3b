#pragma once

// The game draws straight onto the window surface; the window shows the parts
// that changed when asked. A request is posted only when the surface has
// changes, and at most once until the window has handled it, so a still
// picture costs nothing and a busy window never piles requests up. True when
// a request was posted.
bool RequestPresent(int slot);

// The window calls this when it handles the request.
void PresentHandled();

// The platform event type of a present request.
int PresentEventType();
