#pragma once

class Editor;

// How SaveUndoInfo treats the history.
enum class UndoMode { Reset, Record };

// Reset: the history holds only the current track. Record: the current
// track becomes the newest snapshot.
void SaveUndoInfo(Editor& editor, UndoMode mode);

// One snapshot back or forward: the current track takes it, the toolbox
// and the playfield show it; a beep at either end. Neither Changed nor the
// tested flags change.
void DoUndo(Editor& editor);
void DoRedo(Editor& editor);
