// The controls' platform calls for the host tests: child windows are
// numbered handles with a small model of their state (text, selection,
// modified flag, items, check mark, scroll position); the calls that make
// and place windows and fonts are recorded into the shared call list.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "controls/control_system.h"

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

  WindowRef CreateChild(WindowRef, const char* class_name, const char* text, uint32_t style,
                        int32_t x, int32_t y, int32_t w, int32_t h, int child_id) override {
    char line[200];
    std::snprintf(line, sizeof line, "CreateChild %s \"%s\" %08X %d,%d,%d,%d id %d", class_name,
                  text, style, x, y, w, h, child_id);
    Log(line);
    if (refuse_children) return nullptr;
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
    c.text.replace(static_cast<size_t>(c.sel_start), static_cast<size_t>(c.sel_end - c.sel_start),
                   text);
    c.sel_start = c.sel_end = c.sel_start + static_cast<int32_t>(std::string(text).size());
    c.modified = true;
  }
  void SetSelection(WindowRef w, int32_t start, int32_t end) override {
    Child& c = children[w];
    int32_t length = static_cast<int32_t>(c.text.size());
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
    std::string selected = c.text.substr(static_cast<size_t>(c.sel_start),
                                         static_cast<size_t>(c.sel_end - c.sel_start));
    switch (op) {
      case EditOp::kCopy: clipboard = selected; break;
      case EditOp::kCut: clipboard = selected; ReplaceSelection(w, ""); break;
      case EditOp::kPaste: ReplaceSelection(w, clipboard.c_str()); break;
      case EditOp::kClear: ReplaceSelection(w, ""); break;
      case EditOp::kUndo: std::swap(c.text, c.undo_text); break;
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
  void SetCheck(WindowRef w, bool checked) override { children[w].checked = checked; }
  bool GetCheck(WindowRef w) override { return children[w].checked; }

  // A child's name in the call list: its command id; any other window is "window".
  static std::string Name(WindowRef w) {
    int id = static_cast<int>(reinterpret_cast<intptr_t>(w)) - 0x1000;
    return id >= 600 && id < 600 + 256 ? std::to_string(id) : "window";
  }

 private:
  void Log(const std::string& call) { calls_.push_back(call); }
  std::vector<std::string>& calls_;
};

}  // namespace zep
