#include "media/commands.h"

#include "media/sounds.h"
#include "media/wave_buffers.h"

namespace zep {

namespace {

const CommandRow kRows[] = {
    // The data file and file names.
    {"OpenFileRead", CmdOpenFile, kForRead, kPhaseRun, false},
    {"OpenFileWrite", CmdOpenFile, kForWrite, kPhaseRun, false},
    {"OpenFileReadDlg", CmdOpenFileDlg, kForRead, kPhaseRun, true},
    {"OpenFileWriteDlg", CmdOpenFileDlg, kForWrite, kPhaseRun, true},
    {"CloseFile", CmdCloseFile, 0, kPhaseRun, false},
    {"FileNameDlgR", CmdFileNameDlg, kForRead, kPhaseRun, true},
    {"FileNameDlgW", CmdFileNameDlg, kForWrite, kPhaseRun, true},
    {"ReadFile", CmdReadFile, 0, kPhaseRun, true},
    {"WriteFile", CmdWriteFile, 0, kPhaseRun, false},
    {"GetFileLength", CmdGetFileLength, 0, kPhaseRun, true},
    // Through edit fields.
    {"ReadFileToEdit", CmdReadFileToEdit, 0, kPhaseRun, false},
    {"WriteFileFromEdit", CmdWriteFileFromEdit, 0, kPhaseRun, false},
    {"GetFileName", CmdGetFilePart, 0, kPhaseRun, false},
    {"GetFilePath", CmdGetFilePart, 1, kPhaseRun, false},
    // Sound files by ID.
    {"EntryWaveFile", CmdEntrySoundFile, kWaveDevice, kPhaseBoth, false},
    {"EntryMidiFile", CmdEntrySoundFile, kMidiDevice, kPhaseBoth, false},
    {"PlaySound", CmdPlaySound, 0, kPhaseRun, false},
    {"PauseSound", CmdPauseSound, 0, kPhaseRun, false},
    {"StopSound", CmdStopSound, 0, kPhaseRun, false},
    {"Beep", CmdBeep, 0, kPhaseRun, false},
    // Wave buffers.
    {"WaveBuf", CmdWaveBuf, 0, kPhaseCreate, false},
    {"SetWaveBuf", CmdSetWaveBuf, 0, kPhaseRun, false},
    {"GetWaveBuf", CmdGetWaveBuf, 0, kPhaseRun, true},
    {"PlayWaveBuf", CmdPlayWaveBuf, 0, kPhaseRun, false},
    {"StopWaveBuf", CmdStopWaveBuf, 0, kPhaseRun, false},
    {"SaveWaveBuf", CmdSaveWaveBuf, 0, kPhaseRun, false},
};

}  // namespace

const CommandList media_commands = {"media", kRows, RowCount(kRows)};

}  // namespace zep
