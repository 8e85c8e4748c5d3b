#pragma once

#include "tune.h"

#include <string>

// Reads a tune from its text form:
//
//   file Vora1.Mid
//   tempo 140                      quarter notes per minute
//   bar 4                          quarter notes per bar
//   channel 1 program 80 volume 100 pan 64 reverb 40 velocity 90
//   section A
//   1: e5/q g5/e. a5/s r/h         note/duration; r is a rest
//   2: [c3/e g3/e]4                a group repeated 4 times
//   10: bd/q sd/q! ...             channel 10 takes drum names; "!" accents a note
//   play A A B A
//
// Notes are c d e f g a b, optionally # or b, and an octave (c4 = middle C); chords join
// notes with "+". Durations: w h q e s (whole .. sixteenth), "." adds half, "3" makes a
// triplet. Channels count 1..16 as musicians do. Every voice of a section must fill the
// same whole number of bars. Text after "#" at the start of a line is a comment. A tune
// lasts at most kMaxTuneTicks and plays at most kMaxTuneNotes notes.
//
// On a fault, error names the line and the tune is incomplete.
bool ParseTune(const std::string& text, Tune& tune, std::string& error);
