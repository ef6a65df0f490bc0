// The menus' platform calls for the host tests: menus are numbered handles
// (#1, #2, ...) and every call is recorded into the shared call list. The
// fake also knows which menus nothing owns yet, so that tests can see a run
// leave no menu behind.
#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "runtime/menu_system.h"

namespace zep {

class FakeMenuSystem : public MenuSystem {
 public:
  explicit FakeMenuSystem(std::vector<std::string>* calls) : calls_(*calls) {}

  // Forgets every menu; handles start again at #1.
  void Reset() {
    loose.clear();
    on_call = nullptr;
    made_ = 0;
  }

  // Menus made and neither destroyed nor owned by a bar or a window.
  std::set<MenuRef> loose;
  // Called after each recorded call, for what the platform would do then
  // (attaching a bar reports a new window size).
  std::function<void(const std::string&)> on_call;

  MenuRef CreatePopup() override { return Make("CreatePopup"); }
  void AppendItem(MenuRef popup, int id, const char* text) override {
    Log("AppendItem " + Name(popup) + " " + std::to_string(id) + " " + text);
  }
  void AppendSeparator(MenuRef popup, int id) override {
    Log("AppendSeparator " + Name(popup) + " " + std::to_string(id));
  }
  MenuRef CreateBar() override { return Make("CreateBar"); }
  void AppendPopup(MenuRef bar, MenuRef popup, const char* title) override {
    loose.erase(popup);
    Log("AppendPopup " + Name(bar) + " " + Name(popup) + " " + title);
  }
  void AttachBar(WindowRef, MenuRef bar) override {
    loose.erase(bar);
    Log("AttachBar " + Name(bar));
  }
  void SetItemState(MenuRef bar, int id, bool checked, bool greyed) override {
    Log("SetItemState " + Name(bar) + " " + std::to_string(id) +
        (checked ? " checked" : " unchecked") + (greyed ? " greyed" : " enabled"));
  }
  void DestroyMenu(MenuRef menu) override {
    loose.erase(menu);
    Log("DestroyMenu " + Name(menu));
  }

 private:
  static std::string Name(MenuRef m) {
    return "#" + std::to_string(reinterpret_cast<intptr_t>(m));
  }
  MenuRef Make(const char* what) {
    MenuRef m = reinterpret_cast<MenuRef>(static_cast<intptr_t>(++made_));
    loose.insert(m);
    Log(std::string(what) + " " + Name(m));
    return m;
  }
  void Log(const std::string& call) {
    calls_.push_back(call);
    if (on_call) on_call(call);
  }

  std::vector<std::string>& calls_;
  int made_ = 0;
};

}  // namespace zep
