// Reads any text as a track source; a database it accepts must be one the game can save.
#include "core/track_database.h"
#include "track_source.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TrackDatabase database;
  std::string fileName, error;
  if (!ReadTrackSource(std::string(reinterpret_cast<const char*>(data), size), database, fileName,
                       error))
    return 0;
  if (fileName.empty() || database.TrackCount > 100 ||
      database.Tracks.size() != database.TrackCount + 1u)
    __builtin_trap();
  return 0;
}
