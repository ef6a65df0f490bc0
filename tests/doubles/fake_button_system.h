// The bitmap buttons' platform calls for the host tests: button and hint
// windows are numbered handles, surfaces are numbered and named in the
// canvas ("button<k>" by creation order), and every call is recorded into
// the shared call list. The focus, the client rectangle and the offsets of
// the point mappings are settable; SendCommand hands the command to a hook
// (the run window's command handling in the run tests).
#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <map>
#include <string>
#include <vector>

#include "controls/button_system.h"
#include "tests/doubles/fake_canvas.h"

namespace zep {

class FakeButtonSystem : public ButtonSystem {
 public:
  FakeButtonSystem(std::vector<std::string>* calls, FakeCanvas* canvas)
      : calls_(*calls), canvas_(*canvas) {}

  std::function<void(WindowRef, int)> on_command;
  WindowRef focus = nullptr;             // FocusWindow's answer
  ClientArea client{0, 0, 400, 300};      // every window's client rectangle
  PointXY button_origin{0, 0};            // a button's (0, 0) in its parent
  PointXY screen_origin{100, 200};        // a button's (0, 0) on the screen
  std::set<Surface> live_surfaces;
  std::set<WindowRef> live_hints;
  int registrations = 0;

  // Counted, not recorded: every run window's opening registers them.
  void RegisterButtonClasses(WindowRef) override { ++registrations; }
  // Recorded with the class name unless it is the script's BB_class.
  WindowRef CreateButtonWindow(const char* class_name, WindowRef, int32_t x, int32_t y, int32_t w,
                               int32_t h) override {
    Log("CreateButtonWindow " + ClassPart(class_name, "BB_class") + Numbers({x, y, w, h}));
    return reinterpret_cast<WindowRef>(static_cast<intptr_t>(0x3000 + ++buttons_made_));
  }
  void ShowAndUpdate(WindowRef window) override { Log("ShowAndUpdate " + Name(window)); }
  Surface CreateSurface(WindowRef window, int32_t w, int32_t h, void** replaced) override {
    Surface s = reinterpret_cast<Surface>(static_cast<intptr_t>(0x5000 + ++surfaces_made_));
    *replaced = reinterpret_cast<void*>(static_cast<intptr_t>(0x7000 + surfaces_made_));
    live_surfaces.insert(s);
    canvas_.surface_names[s] = "surface" + std::to_string(surfaces_made_);
    Log("CreateSurface " + Name(window) + " " + Numbers({w, h}));
    return s;
  }
  void ReleaseSurface(Surface surface, void* replaced) override {
    EXPECT_EQ(reinterpret_cast<intptr_t>(replaced) - 0x7000,
              reinterpret_cast<intptr_t>(surface) - 0x5000)
        << "a surface was released with another one's replaced picture";
    EXPECT_EQ(live_surfaces.erase(surface), 1u) << "a surface was released twice";
    Log("ReleaseSurface " + canvas_.surface_names[surface]);
  }
  void ShowSurface(WindowRef window, Surface surface, int32_t w, int32_t h) override {
    Log("ShowSurface " + Name(window) + " " + canvas_.surface_names[surface] + " " +
        Numbers({w, h}));
  }
  void DrawIconAt(Surface surface, int resource) override {
    Log("DrawIconAt " + canvas_.surface_names[surface] + " " + std::to_string(resource));
  }
  WindowRef CreateHintWindow(const char* class_name, WindowRef owner, int32_t x, int32_t y,
                             int32_t w, int32_t h) override {
    Log("CreateHintWindow " + ClassPart(class_name, "BS_class") + Name(owner) + " " +
        Numbers({x, y, w, h}));
    WindowRef hint = reinterpret_cast<WindowRef>(static_cast<intptr_t>(0x4000 + ++hints_made_));
    live_hints.insert(hint);
    return hint;
  }
  void SendClose(WindowRef window) override {
    Log("SendClose " + Name(window));
    live_hints.erase(window);
  }
  void SendCommand(WindowRef parent, int id) override {
    Log("SendCommand " + std::to_string(id));
    if (on_command) on_command(parent, id);
  }
  void StartTimer1(WindowRef window, int32_t ms) override {
    Log("StartTimer1 " + Name(window) + " " + std::to_string(ms));
  }
  void StopTimer1(WindowRef window) override { Log("StopTimer1 " + Name(window)); }
  void CaptureMouse(WindowRef window) override { Log("CaptureMouse " + Name(window)); }
  void ReleaseMouse() override { Log("ReleaseMouse"); }
  void SetArrowCursor() override { Log("SetArrowCursor"); }
  // Each window's client area: client, unless a test gave it one of its own.
  std::map<WindowRef, ClientArea> clients;
  ClientArea ClientRect(WindowRef w) override {
    auto it = clients.find(w);
    return it != clients.end() ? it->second : client;
  }
  PointXY MapPoint(WindowRef, WindowRef to, PointXY p) override {
    PointXY origin = to == nullptr ? screen_origin : button_origin;
    return {p.x + origin.x, p.y + origin.y};
  }
  WindowRef FocusWindow() override { return focus; }

  // Button windows are "button<n>" and hints "hint<n>" by creation order.
  static std::string Name(WindowRef w) {
    intptr_t n = reinterpret_cast<intptr_t>(w);
    if (n > 0x3000 && n < 0x4000) return "button" + std::to_string(n - 0x3000);
    if (n > 0x4000 && n < 0x5000) return "hint" + std::to_string(n - 0x4000);
    return "window";
  }

 private:
  static std::string ClassPart(const char* class_name, const char* script_class) {
    return std::string(class_name) == script_class ? "" : std::string(class_name) + " ";
  }
  static std::string Numbers(std::initializer_list<int32_t> values) {
    std::string text;
    for (int32_t v : values) text += (text.empty() ? "" : ",") + std::to_string(v);
    return text;
  }
  void Log(const std::string& call) { calls_.push_back(call); }
  std::vector<std::string>& calls_;
  FakeCanvas& canvas_;
  int buttons_made_ = 0, surfaces_made_ = 0, hints_made_ = 0;
};

}  // namespace zep
