#include "graphics/figures.h"

#include <cmath>

#include "core/args.h"
#include "core/errors.h"
#include "core/run_settings.h"
#include "graphics/palette.h"
#include "graphics/screens.h"

namespace zep {

namespace {

// The common course of a figure command once its arguments are fetched:
// colour check, then one draw on the current screen.
void DrawChecked(WindowRef window, const Figure& figure, int32_t outline, int32_t inside) {
  if (!ValidOutlineColour(outline) || !ValidInsideColour(inside)) return SetError(kErrColour);
  Target target = AcquireTarget(window);
  canvas_system->DrawFigure(target.surface, figure, PenFor(outline), BrushFor(inside));
  ReleaseTarget(window, target);
}

// A polygon through the pairs a[0],a[1] .. a[2n-2],a[2n-1].
Figure PolygonFigure(const int32_t* a, int n) {
  Figure f{};
  f.shape = Shape::kPolygon;
  for (int i = 0; i < n; ++i) f.points[i] = {a[2 * i], a[2 * i + 1]};
  f.point_count = n;
  return f;
}

// Line and Arc select a brush too; inside colour 1 never shows.
constexpr int32_t kUnusedInside = 1;

}  // namespace

Figure BoundedFigure(Shape shape, int32_t l, int32_t t, int32_t r, int32_t b) {
  Figure f{};
  f.shape = shape;
  f.left = l;
  f.top = t;
  f.right = r;
  f.bottom = b;
  return f;
}

Figure LineFigure(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  Figure f{};
  f.shape = Shape::kLine;
  f.points[0] = {x1, y1};
  f.points[1] = {x2, y2};
  f.point_count = 2;
  return f;
}

bool ValidPlainColour(int32_t c) { return c >= 0 && c <= 15; }
bool ValidOutlineColour(int32_t c) { return c >= -15 && c <= 15; }
bool ValidInsideColour(int32_t c) { return c <= 15; }

Pen PenFor(int32_t outline) { return {palette[outline < 0 ? -outline : outline], outline < 0}; }

Brush BrushFor(int32_t inside) {
  if (inside < 0) return {{0, 0, 0}, true};
  return {palette[inside], false};
}

// Integer halves truncate toward zero; the angle is turned into radians
// with the constant 3.141592 and a remainder that keeps the dividend's sign.
PointXY RadialPoint(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t degrees) {
  int64_t cx = (int64_t{left} + right) / 2, hx = (int64_t{right} - left) / 2;
  int64_t cy = (int64_t{top} + bottom) / 2, hy = (int64_t{bottom} - top) / 2;
  int64_t c = degrees;
  double t = static_cast<double>((450 - c) % 360) * 3.141592 / 180;
  PointXY p;
  if (c == 0 || c == 180 || c == 360) {
    p.x = Wrap32(cx);
  } else if (c == 90) {
    p.x = right;
  } else if (c == 270) {
    p.x = left;
  } else {
    p.x = Wrap32(cx + static_cast<int64_t>(std::cos(t) * static_cast<double>(hx)));
  }
  if (c == 0 || c == 360) {
    p.y = top;
  } else if (c == 90 || c == 270) {
    p.y = Wrap32(cy);
  } else if (c == 180) {
    p.y = bottom;
  } else {
    p.y = Wrap32(cy - static_cast<int64_t>(std::sin(t) * static_cast<double>(hy)));
  }
  return p;
}

Figure ArcFigure(Shape shape, const int32_t* rect, int32_t start, int32_t stop) {
  Figure f = BoundedFigure(shape, rect[0], rect[1], rect[2], rect[3]);
  f.points[0] = RadialPoint(rect[0], rect[1], rect[2], rect[3], stop);
  f.points[1] = RadialPoint(rect[0], rect[1], rect[2], rect[3], start);
  f.point_count = 2;
  return f;
}

namespace {

// Box(XL,YT,XR,YB,OC,IC)
void CmdBox(WindowRef window, const ArgList& args, int) {
  int32_t a[6];
  if (!GetIntArgs(window, args, 0, 5, a)) return;
  DrawChecked(window, BoundedFigure(Shape::kRectangle, a[0], a[1], a[2], a[3]), a[4], a[5]);
}

// RBox(XL,YT,XR,YB,RX,RY,OC,IC)
void CmdRBox(WindowRef window, const ArgList& args, int) {
  int32_t a[8];
  if (!GetIntArgs(window, args, 0, 7, a)) return;
  Figure f = BoundedFigure(Shape::kRoundRect, a[0], a[1], a[2], a[3]);
  f.corner_w = a[4];
  f.corner_h = a[5];
  DrawChecked(window, f, a[6], a[7]);
}

// FBox(X1,Y1,X2,Y2,X3,Y3,X4,Y4,OC,IC)
void CmdFBox(WindowRef window, const ArgList& args, int) {
  int32_t a[10];
  if (!GetIntArgs(window, args, 0, 9, a)) return;
  DrawChecked(window, PolygonFigure(a, 4), a[8], a[9]);
}

// Triangle(X1,Y1,X2,Y2,X3,Y3,OC,IC)
void CmdTriangle(WindowRef window, const ArgList& args, int) {
  int32_t a[8];
  if (!GetIntArgs(window, args, 0, 7, a)) return;
  DrawChecked(window, PolygonFigure(a, 3), a[6], a[7]);
}

// FullPaint(C): Box(0,0,WIN_X,WIN_Y,C,C) over the last reported client size.
void CmdFullPaint(WindowRef window, const ArgList& args, int) {
  int32_t a[1];
  if (!GetIntArgs(window, args, 0, 0, a)) return;
  Figure f = BoundedFigure(Shape::kRectangle, 0, 0, window_settings.win_x, window_settings.win_y);
  DrawChecked(window, f, a[0], a[0]);
}

// Circle(XL,YT,XR,YB,OC,IC): the inscribed ellipse.
void CmdCircle(WindowRef window, const ArgList& args, int) {
  int32_t a[6];
  if (!GetIntArgs(window, args, 0, 5, a)) return;
  DrawChecked(window, BoundedFigure(Shape::kEllipse, a[0], a[1], a[2], a[3]), a[4], a[5]);
}

// Line(X1,Y1,X2,Y2,C): the second point itself stays unpainted.
void CmdLine(WindowRef window, const ArgList& args, int) {
  int32_t a[5];
  if (!GetIntArgs(window, args, 0, 4, a)) return;
  DrawChecked(window, LineFigure(a[0], a[1], a[2], a[3]), a[4], kUnusedInside);
}

// Point(X,Y,C): one pixel in a plain colour.
void CmdPoint(WindowRef window, const ArgList& args, int) {
  int32_t a[3];
  if (!GetIntArgs(window, args, 0, 2, a)) return;
  if (!ValidPlainColour(a[2])) return SetError(kErrColour);
  Target target = AcquireTarget(window);
  canvas_system->SetPixel(target.surface, a[0], a[1], palette[a[2]]);
  ReleaseTarget(window, target);
}

// Pie(XL,YT,XR,YB,ST,SP,OC,IC) and Chord(...): from ST clockwise to SP.
void CmdPie(WindowRef window, const ArgList& args, int) {
  int32_t a[8];
  if (!GetIntArgs(window, args, 0, 7, a)) return;
  DrawChecked(window, ArcFigure(Shape::kPie, a, a[4], a[5]), a[6], a[7]);
}

void CmdChord(WindowRef window, const ArgList& args, int) {
  int32_t a[8];
  if (!GetIntArgs(window, args, 0, 7, a)) return;
  DrawChecked(window, ArcFigure(Shape::kChord, a, a[4], a[5]), a[6], a[7]);
}

// Arc(XL,YT,XR,YB,ST,SP,C): the curve alone.
void CmdArc(WindowRef window, const ArgList& args, int) {
  int32_t a[7];
  if (!GetIntArgs(window, args, 0, 6, a)) return;
  DrawChecked(window, ArcFigure(Shape::kArc, a, a[4], a[5]), a[6], kUnusedInside);
}

// SetPal(n,R,G,B): changes one palette entry for later drawing.
void CmdSetPal(WindowRef window, const ArgList& args, int) {
  int32_t a[4];
  if (!GetIntArgs(window, args, 0, 3, a)) return;
  if (a[0] < 0 || a[0] > 15) return SetError(kErrColour);
  for (int i = 1; i <= 3; ++i) {
    if (a[i] < 0 || a[i] > 255) return SetError(kErrColour);
  }
  palette[a[0]] = {static_cast<uint8_t>(a[1]), static_cast<uint8_t>(a[2]),
                   static_cast<uint8_t>(a[3])};
}

// GetPixelR/G/B(X,Y): channel 1 red, 2 green, 3 blue of one pixel, into
// function_result and ANSWER. Outside the surface every channel is 255.
void CmdGetPixel(WindowRef window, const ArgList& args, int channel) {
  int32_t a[2];
  if (!GetIntArgs(window, args, 0, 1, a)) return;
  Target target = AcquireTarget(window);
  uint32_t colour = canvas_system->GetPixel(target.surface, a[0], a[1]);
  ReleaseTarget(window, target);
  int32_t value = static_cast<int32_t>((colour >> (8 * (channel - 1))) & 0xFF);
  run_state.function_result = value;
  run_state.answer = value;
}

const CommandRow kRows[] = {
    {"Arc", CmdArc, 0, kPhaseRun, false, "iiiiiii"},
    {"Box", CmdBox, 0, kPhaseRun, false, "iiiiii"},
    {"Circle", CmdCircle, 0, kPhaseRun, false, "iiiiii"},
    {"Chord", CmdChord, 0, kPhaseRun, false, "iiiiiiii"},
    {"FullPaint", CmdFullPaint, 0, kPhaseRun, false, "i"},
    {"FBox", CmdFBox, 0, kPhaseRun, false, "iiiiiiiiii"},
    {"GetPixelR", CmdGetPixel, 1, kPhaseRun, true, "ii"},
    {"GetPixelG", CmdGetPixel, 2, kPhaseRun, true, "ii"},
    {"GetPixelB", CmdGetPixel, 3, kPhaseRun, true, "ii"},
    {"Line", CmdLine, 0, kPhaseRun, false, "iiiii"},
    {"Point", CmdPoint, 0, kPhaseRun, false, "iii"},
    {"Pie", CmdPie, 0, kPhaseRun, false, "iiiiiiii"},
    {"RBox", CmdRBox, 0, kPhaseRun, false, "iiiiiiii"},
    {"SetPal", CmdSetPal, 0, kPhaseRun, false, "iiii"},
    {"Triangle", CmdTriangle, 0, kPhaseRun, false, "iiiiiiii"},
};

}  // namespace

const CommandList figure_commands = {"graphics", kRows, RowCount(kRows)};

}  // namespace zep
