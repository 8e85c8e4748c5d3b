#pragma once

// The game thread draws straight onto the window surface; the window shows
// that surface when asked. A request is posted at most once until the window
// has handled it, so a busy window never piles them up.
void RequestPresent(int slot);

// The window calls this when it handles the request.
void PresentHandled();

// The platform event type of a present request.
int PresentEventType();
