// The drawing, screen, text and 3D pack commands: their handlers, and the list of
// their rows (commands.cpp).
#pragma once

#include "core/args.h"
#include "core/command_table.h"
#include "core/common.h"

namespace zep {

extern const CommandList graphics_commands;

// Drawing primitives and colours.
void CmdArc(WindowRef window, const ArgList& args, int);
void CmdBox(WindowRef window, const ArgList& args, int);
void CmdChord(WindowRef window, const ArgList& args, int);
void CmdCircle(WindowRef window, const ArgList& args, int);
void CmdFBox(WindowRef window, const ArgList& args, int);
void CmdFullPaint(WindowRef window, const ArgList& args, int);
void CmdGetPixel(WindowRef window, const ArgList& args, int channel);  // 1 R, 2 G, 3 B
void CmdLine(WindowRef window, const ArgList& args, int);
void CmdPie(WindowRef window, const ArgList& args, int);
void CmdPoint(WindowRef window, const ArgList& args, int);
void CmdRBox(WindowRef window, const ArgList& args, int);
void CmdSetPal(WindowRef window, const ArgList& args, int);
void CmdTriangle(WindowRef window, const ArgList& args, int);

// Screens and bitmap copy.
void CmdSubScreen(WindowRef window, const ArgList& args, int);
void CmdSelectScreen(WindowRef window, const ArgList& args, int);
void CmdCopyBMP(WindowRef window, const ArgList& args, int);
void CmdShiftBMPColor(WindowRef window, const ArgList& args, int);
void CmdClipBMP(WindowRef window, const ArgList& args, int);

// Picture files.
void CmdLoadBMP(WindowRef window, const ArgList& args, int);
void CmdLoadBMPDlg(WindowRef window, const ArgList& args, int);
void CmdSaveBMP(WindowRef window, const ArgList& args, int);
void CmdSaveBMPDlg(WindowRef window, const ArgList& args, int);
void CmdLoadGrpFile(WindowRef window, const ArgList& args, int);

// Text output.
void CmdSetFont(WindowRef window, const ArgList& args, int);
void CmdPrint(WindowRef window, const ArgList& args, int);
void CmdPrintCode(WindowRef window, const ArgList& args, int);
void CmdPrintKJCode(WindowRef window, const ArgList& args, int);
void CmdPrintData(WindowRef window, const ArgList& args, int);

// 3D packs. The X/Y/Z families take the axis 0, 1 or 2.
void CmdCreate3DPack(WindowRef window, const ArgList& args, int);
void CmdSet3DCenter(WindowRef window, const ArgList& args, int);
void CmdAdd3DPack(WindowRef window, const ArgList& args, int);
void CmdClear3DPack(WindowRef window, const ArgList& args, int);
void CmdReset3D(WindowRef window, const ArgList& args, int position);  // 0 angles, 1 position
void CmdSet3DLocalRotate(WindowRef window, const ArgList& args, int axis);
void CmdSet3DLocalPos(WindowRef window, const ArgList& args, int axis);
void CmdSet3DWorldPos(WindowRef window, const ArgList& args, int axis);
void CmdDraw3DPack(WindowRef window, const ArgList& args, int);
void CmdSave3DPack(WindowRef window, const ArgList& args, int);
void CmdLoad3DPack(WindowRef window, const ArgList& args, int);

}  // namespace zep
