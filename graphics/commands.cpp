#include "graphics/commands.h"

namespace zep {

namespace {

const CommandRow kRows[] = {
    // Drawing primitives and colours.
    {"Arc", CmdArc, 0, kPhaseRun, false},
    {"Box", CmdBox, 0, kPhaseRun, false},
    {"Circle", CmdCircle, 0, kPhaseRun, false},
    {"Chord", CmdChord, 0, kPhaseRun, false},
    {"FullPaint", CmdFullPaint, 0, kPhaseRun, false},
    {"FBox", CmdFBox, 0, kPhaseRun, false},
    {"GetPixelR", CmdGetPixel, 1, kPhaseRun, true},
    {"GetPixelG", CmdGetPixel, 2, kPhaseRun, true},
    {"GetPixelB", CmdGetPixel, 3, kPhaseRun, true},
    {"Line", CmdLine, 0, kPhaseRun, false},
    {"Point", CmdPoint, 0, kPhaseRun, false},
    {"Pie", CmdPie, 0, kPhaseRun, false},
    {"RBox", CmdRBox, 0, kPhaseRun, false},
    {"SetPal", CmdSetPal, 0, kPhaseRun, false},
    {"Triangle", CmdTriangle, 0, kPhaseRun, false},
    // Screens and bitmap copy.
    {"SubScreen", CmdSubScreen, 0, kPhaseCreate, false},
    {"SelectScreen", CmdSelectScreen, 0, kPhaseRun, false},
    {"CopyBMP", CmdCopyBMP, 0, kPhaseRun, false},
    {"ClipBMP", CmdClipBMP, 0, kPhaseRun, false},
    {"ShiftBMPColor", CmdShiftBMPColor, 0, kPhaseRun, false},
    // Picture files.
    {"LoadBMP", CmdLoadBMP, 0, kPhaseRun, false},
    {"LoadBMPDlg", CmdLoadBMPDlg, 0, kPhaseRun, true},
    {"LoadGrpFile", CmdLoadGrpFile, 0, kPhaseRun, false},
    {"SaveBMP", CmdSaveBMP, 0, kPhaseRun, false},
    {"SaveBMPDlg", CmdSaveBMPDlg, 0, kPhaseRun, true},
    // Text output.
    {"Print", CmdPrint, 0, kPhaseRun, false},
    {"PrintCode", CmdPrintCode, 0, kPhaseRun, false},
    {"PrintKJCode", CmdPrintKJCode, 0, kPhaseRun, false},
    {"PrintData", CmdPrintData, 0, kPhaseRun, false},
    {"SetFont", CmdSetFont, 0, kPhaseRun, false},
    // 3D packs.
    {"Create3DPack", CmdCreate3DPack, 0, kPhaseCreate, false},
    {"Set3DCenter", CmdSet3DCenter, 0, kPhaseBoth, false},
    {"Add3DPack", CmdAdd3DPack, 0, kPhaseBoth, false},
    {"Clear3DPack", CmdClear3DPack, 0, kPhaseRun, false},
    {"Draw3DPack", CmdDraw3DPack, 0, kPhaseRun, false},
    {"Set3DLocalRotateX", CmdSet3DLocalRotate, 0, kPhaseBoth, false},
    {"Set3DLocalRotateY", CmdSet3DLocalRotate, 1, kPhaseBoth, false},
    {"Set3DLocalRotateZ", CmdSet3DLocalRotate, 2, kPhaseBoth, false},
    {"Set3DLocalPosX", CmdSet3DLocalPos, 0, kPhaseBoth, false},
    {"Set3DLocalPosY", CmdSet3DLocalPos, 1, kPhaseBoth, false},
    {"Set3DLocalPosZ", CmdSet3DLocalPos, 2, kPhaseBoth, false},
    {"Set3DWorldPosX", CmdSet3DWorldPos, 0, kPhaseBoth, false},
    {"Set3DWorldPosY", CmdSet3DWorldPos, 1, kPhaseBoth, false},
    {"Set3DWorldPosZ", CmdSet3DWorldPos, 2, kPhaseBoth, false},
    {"Reset3DRotate", CmdReset3D, 0, kPhaseRun, false},
    {"Reset3DPos", CmdReset3D, 1, kPhaseRun, false},
    {"Save3DPack", CmdSave3DPack, 0, kPhaseRun, false},
    {"Load3DPack", CmdLoad3DPack, 0, kPhaseRun, false},
};

}  // namespace

const CommandList graphics_commands = {"graphics", kRows, RowCount(kRows)};

}  // namespace zep
