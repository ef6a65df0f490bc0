// The window style and control assists: each radio button of the dialog
// stands for one ready line of script text.
#pragma once

#include <string>

#include "resources/resource_ids.h"

namespace zep {

// Window style radio buttons 300..306: styles 0..4 of SetWinStyle, then the
// rounded and the elliptic shape of SetWinStyleOption.
constexpr int kFirstStyle = ZEP_STYLE_0, kLastStyle = ZEP_SHAPE_ELLIPTIC;

// "SetWinStyle(0) ;\r\n" .. "SetWinStyle(4) ;\r\n", "SetWinStyleOption(1,80,80) ;\r\n",
// "SetWinStyleOption(2,80,80) ;\r\n"; empty for an id outside 300..306.
std::string StyleText(int id);

// Control radio buttons 500..517, the bitmap button's last.
constexpr int kFirstControl = ZEP_CONTROL_TYPE_0, kLastControl = ZEP_CONTROL_TYPE_1;

// The control type that radio button `id` stands for, or -1.
int ControlType(int id);

// "CreateControl(" type ",\"str\",\"ID_control\",x,y,w,h) ;\r\n", the words
// left for the user to replace; empty for an id outside 500..517.
std::string ControlText(int id);

}  // namespace zep
