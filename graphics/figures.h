// Drawing primitives and colours: the colour rules of the figure commands
// and the radial points of Pie, Arc and Chord.
#pragma once

#include <cstdint>

#include "core/command_table.h"
#include "graphics/canvas.h"

namespace zep {

// The rows of the drawing primitives and SetPal.
extern const CommandList figure_commands;

// A plain colour is 0..15; an outline colour -15..15 (negative = dotted);
// an inside colour anything up to 15 (negative = no fill).
bool ValidPlainColour(int32_t c);
bool ValidOutlineColour(int32_t c);
bool ValidInsideColour(int32_t c);
// The pen of a valid outline colour and the brush of a valid inside colour.
Pen PenFor(int32_t outline);
Brush BrushFor(int32_t inside);

// A figure bounded by (l, t)-(r, b): a rectangle, round rectangle or ellipse.
Figure BoundedFigure(Shape shape, int32_t l, int32_t t, int32_t r, int32_t b);
// The line from (x1, y1) to (x2, y2), the end point not painted.
Figure LineFigure(int32_t x1, int32_t y1, int32_t x2, int32_t y2);

// The point where the ray at `degrees` (clockwise from 12 o'clock) meets the
// ellipse inscribed in (left, top)-(right, bottom); the four main directions
// give the rectangle's own edges.
PointXY RadialPoint(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t degrees);

// The figure of Pie, Arc or Chord: the radial point of `stop` first and that
// of `start` second, since the platform runs counter-clockwise between them.
Figure ArcFigure(Shape shape, const int32_t* rect, int32_t start, int32_t stop);

}  // namespace zep
