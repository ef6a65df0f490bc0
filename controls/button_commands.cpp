// Every command here takes a bitmap button's ID first (code 24 for an
// unknown ID, 26 for a control of another type), draws on the button's
// surface, and then shows the surface with the raised frame, also while the
// button is held down.
#include "controls/button_commands.h"

#include "controls/bitmap_buttons.h"
#include "controls/registry.h"
#include "core/args.h"
#include "core/errors.h"
#include "graphics/figures.h"
#include "graphics/palette.h"
#include "graphics/pictures.h"

namespace zep {

namespace {

// The ID of argument 0 and its lookup: the button's index, or -1 with the
// code set.
int ButtonArg(const ArgList& args) {
  char id[kMaxStatement];
  if (!GetStrArg(args, 0, id)) return -1;
  return LookUpControlOf(id, TypeRange::kBitmapButton);
}

// A button's surface; nullptr for a type-1 control that is no bitmap button
// (one in a dialog is a push button), on which nothing is drawn.
Surface SurfaceOf(int k) { return button_surfaces[k].surface; }

// The figure with its colour check, then the raised frame.
void DrawOnButton(int k, const Figure& f, int32_t outline, int32_t inside) {
  if (!ValidOutlineColour(outline) || !ValidInsideColour(inside)) return SetError(kErrColour);
  if (SurfaceOf(k) == nullptr) return;
  canvas_system->DrawFigure(SurfaceOf(k), f, PenFor(outline), BrushFor(inside));
  DrawRaisedFrame(k);
}

// "ID", then four coordinates, an outline and an inside colour.
void BoundedCommand(WindowRef window, const ArgList& args, Shape shape) {
  int k = ButtonArg(args);
  int32_t a[7];
  if (k < 0 || !GetIntArgs(window, args, 1, 6, a)) return;
  DrawOnButton(k, BoundedFigure(shape, a[1], a[2], a[3], a[4]), a[5], a[6]);
}

// The line's brush is never used; inside colour 1 as the figure commands.
constexpr int32_t kLineInside = 1;

// BmpBtBox("ID",XL,YT,XR,YB,OC,IC): a rectangle on the face. Code 1 for
// OC outside -15..15 or IC above 15.
void CmdBmpBtBox(WindowRef window, const ArgList& args, int) {
  BoundedCommand(window, args, Shape::kRectangle);
}

// BmpBtCircle("ID",XL,YT,XR,YB,OC,IC): the ellipse inscribed in the rectangle.
void CmdBmpBtCircle(WindowRef window, const ArgList& args, int) {
  BoundedCommand(window, args, Shape::kEllipse);
}

// BmpBtLine("ID",X1,Y1,X2,Y2,C): a line in outline colour C (code 1 outside
// -15..15; negative: dotted).
void CmdBmpBtLine(WindowRef window, const ArgList& args, int) {
  int k = ButtonArg(args);
  int32_t a[6];
  if (k < 0 || !GetIntArgs(window, args, 1, 5, a)) return;
  DrawOnButton(k, LineFigure(a[1], a[2], a[3], a[4]), a[5], kLineInside);
}

// BmpBtPoint("ID",X,Y,C): one pixel in plain colour C (code 1 outside 0..15).
void CmdBmpBtPoint(WindowRef window, const ArgList& args, int) {
  int k = ButtonArg(args);
  int32_t a[4];
  if (k < 0 || !GetIntArgs(window, args, 1, 3, a)) return;
  if (!ValidPlainColour(a[3])) return SetError(kErrColour);
  if (SurfaceOf(k) == nullptr) return;
  canvas_system->SetPixel(SurfaceOf(k), a[1], a[2], palette[a[3]]);
  DrawRaisedFrame(k);
}

// SetButtonGrpFile("ID","FileName"): draws a picture file at (0, 0) of the
// face, sized by the surface's resolution. The name is taken as written;
// code 15 when the file cannot be opened.
void CmdSetButtonGrpFile(WindowRef, const ArgList& args, int) {
  int k = ButtonArg(args);
  char name[kMaxStatement];
  if (k < 0 || !GetStrArg(args, 1, name) || SurfaceOf(k) == nullptr) return;
  if (!LoadPictureInto(SurfaceOf(k), name)) {
    if (error_code == 0) SetError(kErrOpenFile);
    return;
  }
  DrawRaisedFrame(k);
}

// SetButtonGrp("ID",type): standard glyph 1..20 at (0, 0) of the face;
// any other number draws nothing and is no error.
void CmdSetButtonGrp(WindowRef window, const ArgList& args, int) {
  int k = ButtonArg(args);
  int32_t a[2];
  if (k < 0 || !GetIntArgs(window, args, 1, 1, a)) return;
  int resource = GlyphResource(a[1]);
  if (resource == 0 || SurfaceOf(k) == nullptr) return;
  button_system->DrawIconAt(SurfaceOf(k), resource);
  DrawRaisedFrame(k);
}

const CommandRow kRows[] = {
    {"BmpBtBox", CmdBmpBtBox, 0, kPhaseRun, false, "ciiiiii"},
    {"BmpBtCircle", CmdBmpBtCircle, 0, kPhaseRun, false, "ciiiiii"},
    {"BmpBtLine", CmdBmpBtLine, 0, kPhaseRun, false, "ciiiii"},
    {"BmpBtPoint", CmdBmpBtPoint, 0, kPhaseRun, false, "ciii"},
    {"SetButtonGrpFile", CmdSetButtonGrpFile, 0, kPhaseRun, false, "ct"},
    {"SetButtonGrp", CmdSetButtonGrp, 0, kPhaseRun, false, "ci"},
};

}  // namespace

const CommandList bitmap_button_commands = {"controls", kRows, RowCount(kRows)};

}  // namespace zep
