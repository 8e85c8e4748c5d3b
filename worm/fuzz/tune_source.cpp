// Reads any text as a tune source; a tune it accepts must make a valid MIDI file of the
// same length and notes, each note ending before the track does.
#include "../tests/data/midi_reader.h"
#include "midi_file.h"
#include "tune_parser.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Tune tune;
  std::string error;
  if (!ParseTune(std::string(reinterpret_cast<const char*>(data), size), tune, error)) return 0;
  MidiSummary midi;
  if (!ReadMidiSummary(MidiFileBytes(tune), midi, error) || midi.endTick != tune.lengthTicks ||
      midi.noteOns != static_cast<int>(tune.notes.size()) || midi.notesStillOn != 0)
    __builtin_trap();
  return 0;
}
