#pragma once

// SDL for the whole run: started without SDL's own signal handlers, so that
// the window alone decides when the program ends.
class SdlSession {
 public:
  SdlSession();
  SdlSession(const SdlSession&) = delete;
  SdlSession& operator=(const SdlSession&) = delete;
  ~SdlSession();
};
