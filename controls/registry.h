// The controls of a run: CreateControl (controls/layout.h) records them in
// CREATE, the window's opening step creates them, and the window's end
// deletes their fonts. The table itself is shared (core/control_table.h).
#pragma once

#include "controls/control_system.h"
#include "controls/types.h"
#include "core/args.h"
#include "core/control_table.h"
#include "core/run_parts.h"

namespace zep {

extern const RunPart controls_part;

// The font every control starts with, which the editor's search box and
// hints use too: 12 high, 6 wide, weight 0, "ＭＳ ゴシック".
ControlFont DefaultFont();

// Which window the controls are made on: type 1 is a bitmap button only in
// the run window; in a dialog it is a push button labelled with its text.
enum class ControlOwner { kRunWindow, kDialog };

// Creates the child windows of records first..control_count-1 on window,
// each with a default font of its own.
void CreateControls(WindowRef window, int first, ControlOwner owner);
// Deletes the fonts of records first..control_count-1.
void DeleteControlFonts(int first);

// The index of the control with ID id, or -1 with code 24 for an unknown ID
// and for "FILE_NAME", which names no control here.
int LookUpControl(const char* id);

// LookUpControl, and code 26 when the control's type is outside range.
int LookUpControlOf(const char* id, TypeRange range);

// Two controls: both looked up (code 24) before either type is checked
// (code 26). False on an error.
bool LookUpTwoControls(const char* id_a, TypeRange range_a, const char* id_b, TypeRange range_b,
                       int* a, int* b);

}  // namespace zep
