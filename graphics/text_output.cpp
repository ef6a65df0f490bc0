#include "graphics/text_output.h"

#include <cstring>

#include "core/args.h"
#include "core/errors.h"
#include "core/number_format.h"
#include "graphics/figures.h"
#include "graphics/palette.h"
#include "graphics/screen_state.h"
#include "graphics/screens.h"

namespace zep {

FontSpec MakeFont(int32_t r, int32_t w, int32_t h) {
  FontSpec f{};
  f.height = h;
  f.width = w;
  // Tenths of a degree; a rotation too large for that wraps at 32 bits.
  f.escapement = static_cast<int32_t>(static_cast<uint32_t>(r) * 10u);
  f.orientation = 0;
  uint8_t style = graphics_state.font_style;
  f.weight = (style == 2 || style == 3) ? 900 : 0;
  f.italic = (style == 1 || style == 3) ? 1 : 0;
  f.char_set = 128;        // Shift-JIS
  f.out_precision = 4;     // prefer outline fonts
  f.clip_precision = 0;
  f.quality = 1;           // draft
  f.pitch_and_family = 0x11;  // fixed pitch, roman family
  CopyText(f.face, sizeof f.face, graphics_state.font_face);
  return f;
}

namespace {

// Fetches integer arguments 0..last of a text command and checks its colour
// C (argument 5) before anything else is looked at.
bool TextArgs(WindowRef window, const ArgList& args, int last, int32_t* a) {
  if (!GetIntArgs(window, args, 0, last, a)) return false;
  if (!ValidPlainColour(a[5])) return SetError(kErrColour), false;
  return true;
}

// Writes text at (X,Y) with rotation R, size W x H and colour C of a[0..5].
void WriteAt(WindowRef window, const int32_t* a, const char* text, size_t length) {
  FontSpec font = MakeFont(a[2], a[3], a[4]);
  Target target = AcquireTarget(window);
  canvas_system->WriteText(target.surface, a[0], a[1], text, length, font, palette[a[5]]);
  ReleaseTarget(window, target);
}

// SetFont("FontName",Switch): face and style of every later text. A name
// longer than 31 bytes is cut to 31 bytes of whole characters.
void CmdSetFont(WindowRef window, const ArgList& args, int) {
  int32_t a[2];
  if (!GetIntArgs(window, args, 1, 1, a)) return;
  if (a[1] < 0 || a[1] > 3) return SetError(kErrBadValue);
  char name[kMaxStatement];
  if (!GetStrArg(args, 0, name)) return;
  ResolveStrArg(name, sizeof name);
  CopyText(graphics_state.font_face, sizeof graphics_state.font_face, name);
  graphics_state.font_style = static_cast<uint8_t>(a[1]);
}

// Print(X,Y,R,W,H,C,"text")
void CmdPrint(WindowRef window, const ArgList& args, int) {
  int32_t a[6];
  if (!TextArgs(window, args, 5, a)) return;
  char text[kMaxStatement];
  if (!GetStrArg(args, 6, text)) return;
  ResolveStrArg(text, sizeof text);
  WriteAt(window, a, text, std::strlen(text));
}

// PrintCode(X,Y,R,W,H,C,AsciiCode): one byte, the code's low 8 bits; a zero
// byte ends the text, so code 0 writes nothing.
void CmdPrintCode(WindowRef window, const ArgList& args, int) {
  int32_t a[7];
  if (!TextArgs(window, args, 6, a)) return;
  char text[2] = {static_cast<char>(a[6] & 0xFF), '\0'};
  WriteAt(window, a, text, std::strlen(text));
}

// PrintKJCode(X,Y,R,W,H,C,Code1,Code2): the lead and trail byte of one
// double-byte character.
void CmdPrintKJCode(WindowRef window, const ArgList& args, int) {
  int32_t a[8];
  if (!TextArgs(window, args, 7, a)) return;
  char text[3] = {static_cast<char>(a[6] & 0xFF), static_cast<char>(a[7] & 0xFF), '\0'};
  WriteAt(window, a, text, std::strlen(text));
}

// PrintData(X,Y,R,W,H,C,n,data): a number with n decimals.
void CmdPrintData(WindowRef window, const ArgList& args, int) {
  int32_t a[7];
  if (!TextArgs(window, args, 6, a)) return;
  float data = GetNumArg(window, args, 7);
  if (error_code != 0) return;
  char text[kMaxPrintText + 1];
  size_t length = FormatPrintData(data, a[6], text, sizeof text);
  WriteAt(window, a, text, length);
}

const CommandRow kRows[] = {
    {"Print", CmdPrint, 0, kPhaseRun, false, "iiiiiir"},
    {"PrintCode", CmdPrintCode, 0, kPhaseRun, false, "iiiiiii"},
    {"PrintKJCode", CmdPrintKJCode, 0, kPhaseRun, false, "iiiiiiii"},
    {"PrintData", CmdPrintData, 0, kPhaseRun, false, "iiiiiiin"},
    {"SetFont", CmdSetFont, 0, kPhaseRun, false, "ri"},
};

}  // namespace

const CommandList text_commands = {"graphics", kRows, RowCount(kRows)};

}  // namespace zep
