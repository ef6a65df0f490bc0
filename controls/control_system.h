// What the controls need of the platform: child windows of a class and
// style, their fonts, place and focus, and the position and range of
// scroll-bar controls. The Win32 layer implements it; host tests implement
// it to record calls.
#pragma once

#include <cstdint>
#include <string>

#include "core/common.h"
#include "core/control_table.h"

namespace zep {

// Every field of a control's font that a script can change; the others are
// fixed: Shift-JIS character set, TrueType output precision, draft quality,
// fixed pitch, roman family.
struct ControlFont {
  int32_t height, width, weight;
  bool italic;
  char face[32];
};

// The edit-field operations on the selection and the clipboard.
enum class EditOp { kCopy, kCut, kPaste, kClear, kUndo, kRedo };

class ControlSystem {
 public:
  virtual ~ControlSystem() = default;

  // A visible child window of parent with the class, text and style at
  // x, y, sized w by h, whose notifications carry child_id; nullptr on failure.
  virtual WindowRef CreateChild(WindowRef parent, const char* class_name, const char* text,
                                uint32_t style, int32_t x, int32_t y, int32_t w, int32_t h,
                                int child_id) = 0;
  virtual FontRef MakeFont(const ControlFont& font) = 0;
  virtual void FreeFont(FontRef font) = 0;
  // Gives the control the font and redraws it.
  virtual void SetFont(WindowRef control, FontRef font) = 0;
  // Moves and sizes the control, brings it to the top and shows it.
  virtual void PlaceControl(WindowRef control, int32_t x, int32_t y, int32_t w, int32_t h) = 0;
  virtual void SetFocusTo(WindowRef window) = 0;
  // Scroll-bar controls: the range 0..max, and the position.
  virtual void SetScrollBarRange(WindowRef control, int32_t max, bool redraw) = 0;
  virtual void SetScrollBarPos(WindowRef control, int32_t pos) = 0;
  virtual int32_t GetScrollBarPos(WindowRef control) = 0;

  // The whole text of a control, and its length in bytes.
  virtual std::string GetText(WindowRef control) = 0;
  virtual int32_t TextLength(WindowRef control) = 0;
  virtual void SetText(WindowRef control, const char* text) = 0;

  // Edit fields. ReplaceSelection inserts at the caret, replacing the
  // selection, as one change that can be undone. SetSelection selects
  // start..end (-1 for end: to the end) and scrolls the caret into view.
  // Positions count the control's characters (a double-byte character is
  // one).
  virtual void ReplaceSelection(WindowRef control, const char* text) = 0;
  virtual void SetSelection(WindowRef control, int32_t start, int32_t end) = 0;
  virtual void GetSelection(WindowRef control, int32_t* start, int32_t* end) = 0;
  virtual bool IsModified(WindowRef control) = 0;
  virtual void ClearModified(WindowRef control) = 0;
  virtual void EditCommand(WindowRef control, EditOp op) = 0;

  // Combo boxes (combo true) and list boxes: items and the selection (-1 none).
  virtual void AddItem(WindowRef control, bool combo, const char* text) = 0;
  virtual int32_t SelectedItem(WindowRef control, bool combo) = 0;
  virtual void SelectItem(WindowRef control, bool combo, int32_t index) = 0;
  virtual std::string ItemText(WindowRef control, bool combo, int32_t index) = 0;
  virtual void ClearItems(WindowRef control, bool combo) = 0;
  virtual int32_t ItemCount(WindowRef control, bool combo) = 0;
  // Inserts at index without sorting; removes the item at index.
  virtual void InsertItem(WindowRef control, bool combo, int32_t index, const char* text) = 0;
  virtual void DeleteItem(WindowRef control, bool combo, int32_t index) = 0;

  // Check boxes and radio buttons.
  virtual void SetCheck(WindowRef control, bool checked) = 0;
  virtual bool GetCheck(WindowRef control) = 0;
};

// The control system in use. Set once at start-up (or by a test).
extern ControlSystem* control_system;

}  // namespace zep
