// The controls' platform calls for the host tests: child windows are
// numbered handles with a small model of their state (text, selection,
// modified flag, items, check mark, scroll position); the calls that make
// and place windows and fonts are recorded into the shared call list.
// Selections count bytes, or characters as the platform's controls do when
// character_positions is set. on_change is told of every change of a text
// by typing, the clipboard, a replacement or an undo (not by SetText, as a
// multi-line edit control says nothing then).
#pragma once

#include <algorithm>
#include <functional>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "controls/control_system.h"
#include "core/text.h"

namespace zep {

class FakeControlSystem : public ControlSystem {
 public:
  explicit FakeControlSystem(std::vector<std::string>* calls) : calls_(*calls) {}

  struct Child {
    std::string text, undo_text;
    int32_t sel_start = 0, sel_end = 0;
    bool modified = false, sorted = false, checked = false;
    std::vector<std::string> items;
    int32_t selected = -1;
  };
  std::map<WindowRef, Child> children;
  std::map<WindowRef, int32_t> scroll_pos;
  std::string clipboard;
  int fonts_alive = 0;
  bool refuse_children = false;
  bool character_positions = false;
  std::function<void(WindowRef)> on_change;
  // Refuses to make the child of this class (nullptr: none).
  std::string refuse_class;

  WindowRef CreateChild(WindowRef, const char* class_name, const char* text, uint32_t style,
                        int32_t x, int32_t y, int32_t w, int32_t h, int child_id) override {
    char line[200];
    std::snprintf(line, sizeof line, "CreateChild %s \"%s\" %08X %d,%d,%d,%d id %d", class_name,
                  text, style, x, y, w, h, child_id);
    Log(line);
    if (refuse_children || refuse_class == class_name) return nullptr;
    WindowRef child = reinterpret_cast<WindowRef>(static_cast<intptr_t>(0x1000 + child_id));
    Child& c = children[child];
    c = Child{};
    c.text = text;
    bool list = std::string(class_name) == "LISTBOX";
    c.sorted = (style & (list ? 0x2u : 0x100u)) != 0;
    return child;
  }
  FontRef MakeFont(const ControlFont& f) override {
    ++fonts_alive;
    Log("CreateFont " + std::to_string(f.height) + "x" + std::to_string(f.width) + " w" +
        std::to_string(f.weight) + (f.italic ? " italic " : " ") + f.face);
    return reinterpret_cast<FontRef>(static_cast<intptr_t>(fonts_alive));
  }
  void FreeFont(FontRef) override { --fonts_alive; }
  void SetFont(WindowRef control, FontRef) override { Log("SetFont " + Name(control)); }
  void PlaceControl(WindowRef control, int32_t x, int32_t y, int32_t w, int32_t h) override {
    Log("PlaceControl " + Name(control) + " " + std::to_string(x) + "," + std::to_string(y) + "," +
        std::to_string(w) + "," + std::to_string(h));
  }
  void SetFocusTo(WindowRef window) override { Log("ControlFocus " + Name(window)); }
  void SetScrollBarRange(WindowRef control, int32_t max, bool) override {
    Log("SetScrollBarRange " + Name(control) + " " + std::to_string(max));
  }
  void SetScrollBarPos(WindowRef control, int32_t pos) override {
    scroll_pos[control] = pos;
    Log("SetScrollBarPos " + Name(control) + " " + std::to_string(pos));
  }
  int32_t GetScrollBarPos(WindowRef control) override { return scroll_pos[control]; }

  std::string GetText(WindowRef w) override { return children[w].text; }
  int32_t TextLength(WindowRef w) override { return static_cast<int32_t>(children[w].text.size()); }
  void SetText(WindowRef w, const char* text) override { children[w].text = text; }
  void ReplaceSelection(WindowRef w, const char* text) override {
    Child& c = children[w];
    c.undo_text = c.text;
    size_t from = ByteAt(c, c.sel_start), to = ByteAt(c, c.sel_end);
    c.text.replace(from, to - from, text);
    c.sel_start = c.sel_end = c.sel_start + Count(text);
    c.modified = true;
    Changed(w);
  }
  void SetSelection(WindowRef w, int32_t start, int32_t end) override {
    Child& c = children[w];
    int32_t length = Count(c.text);
    if (start < 0) {  // no selection: the caret stays at the selection's end
      c.sel_start = c.sel_end;
      return;
    }
    if (end < 0 || end > length) end = length;
    c.sel_start = std::min(start, length);
    c.sel_end = end;
  }
  void GetSelection(WindowRef w, int32_t* start, int32_t* end) override {
    *start = children[w].sel_start;
    *end = children[w].sel_end;
  }
  bool IsModified(WindowRef w) override { return children[w].modified; }
  void ClearModified(WindowRef w) override { children[w].modified = false; }
  void EditCommand(WindowRef w, EditOp op) override {
    Child& c = children[w];
    size_t from = ByteAt(c, c.sel_start), to = ByteAt(c, c.sel_end);
    std::string selected = c.text.substr(from, to - from);
    switch (op) {
      case EditOp::kCopy: clipboard = selected; break;
      case EditOp::kCut: clipboard = selected; ReplaceSelection(w, ""); break;
      case EditOp::kPaste: ReplaceSelection(w, clipboard.c_str()); break;
      case EditOp::kClear: ReplaceSelection(w, ""); break;
      case EditOp::kUndo: case EditOp::kRedo: std::swap(c.text, c.undo_text); Changed(w); break;
    }
  }
  void AddItem(WindowRef w, bool, const char* text) override {
    Child& c = children[w];
    auto at = c.sorted ? std::upper_bound(c.items.begin(), c.items.end(), std::string(text))
                       : c.items.end();
    c.items.insert(at, text);
  }
  int32_t SelectedItem(WindowRef w, bool) override { return children[w].selected; }
  void SelectItem(WindowRef w, bool combo, int32_t index) override {
    Child& c = children[w];
    c.selected = (index >= 0 && index < static_cast<int32_t>(c.items.size())) ? index : -1;
    if (combo) c.text = c.selected < 0 ? "" : c.items[static_cast<size_t>(c.selected)];
  }
  std::string ItemText(WindowRef w, bool, int32_t index) override {
    return children[w].items.at(static_cast<size_t>(index));
  }
  void ClearItems(WindowRef w, bool) override {
    children[w].items.clear();
    children[w].selected = -1;
  }
  int32_t ItemCount(WindowRef w, bool) override {
    return static_cast<int32_t>(children[w].items.size());
  }
  void InsertItem(WindowRef w, bool, int32_t index, const char* text) override {
    Child& c = children[w];
    c.items.insert(c.items.begin() + index, text);
  }
  void DeleteItem(WindowRef w, bool, int32_t index) override {
    Child& c = children[w];
    c.items.erase(c.items.begin() + index);
    if (c.selected == index) {
      c.selected = -1;
    } else if (c.selected > index) {
      --c.selected;
    }
  }
  void SetCheck(WindowRef w, bool checked) override { children[w].checked = checked; }
  bool GetCheck(WindowRef w) override { return children[w].checked; }

  // A child's name in the call list: its command id (a script's control, or
  // the editor's text 200 and search box 201); any other window is "window".
  static std::string Name(WindowRef w) {
    int id = static_cast<int>(reinterpret_cast<intptr_t>(w)) - 0x1000;
    bool child = (id >= 600 && id < 600 + 256) || id == 200 || id == 201 || id == 203;
    return child ? std::to_string(id) : "window";
  }

 private:
  // Positions as the control counts them: bytes, or characters.
  int32_t Count(const std::string& text) const {
    if (!character_positions) return static_cast<int32_t>(text.size());
    int32_t n = 0;
    for (size_t at = 0; at < text.size(); at += CharLength(&text[at])) ++n;
    return n;
  }
  size_t ByteAt(const Child& c, int32_t position) const {
    size_t at = 0;
    for (int32_t n = 0; n < position && at < c.text.size(); ++n) {
      at += character_positions ? CharLength(&c.text[at]) : 1;
    }
    return std::min(at, c.text.size());
  }
  void Changed(WindowRef w) {
    if (on_change) on_change(w);
  }

  void Log(const std::string& call) { calls_.push_back(call); }
  std::vector<std::string>& calls_;
};

}  // namespace zep
