// LoadBMP, LoadBMPDlg, SaveBMP, SaveBMPDlg and LoadGrpFile. BMP files are
// checked and read here before the platform converts them; the platform
// keeps the converted picture and its palette until the next load or the
// next save that writes its file. Every picture file is checked here
// before the platform's decoder sees it. Every file is read or written
// whole through file_system.
#include "graphics/pictures.h"

#include <cstring>
#include <string>

#include "core/args.h"
#include "core/data_file.h"
#include "core/errors.h"
#include "core/run_settings.h"
#include "core/section_runs.h"
#include "graphics/bmp_format.h"
#include "graphics/picture_check.h"
#include "graphics/screens.h"

namespace zep {

namespace {

const char kBmpFilters[] = "ＢＭＰファイル(*.BMP)\0*.BMP\0";
const char kLoadTitle[] = "ＢＭＰファイルのロード";
const char kSaveTitle[] = "ＢＭＰファイルのセーブ";
const char kDialogStart[] = "*.BMP";

// Reads and checks the BMP file and makes it the kept picture. False on any
// failure; the caller sets code 15.
bool ReadBmp(const char* name) {
  std::string bytes;
  if (file_system->ReadWholeFile(name, kMaxPictureFile, &bytes) != WholeFile::kRead) return false;
  BmpPicture picture;
  if (CheckBmp(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), &picture) !=
      BmpCheck::kOk) {
    return false;
  }
  return canvas_system->KeepBitmap(picture.image);
}

void DrawKept(WindowRef window, int32_t x, int32_t y) {
  Target target = AcquireTarget(window);
  canvas_system->DrawKeptBitmap(target.surface, x, y);
  ReleaseTarget(window, target);
}

// Captures the rectangle of the current screen and writes it as a BMP file.
// The kept picture and palette are forgotten only once the file is written:
// a save that fails (no capture, a folder that does not exist, a file that
// cannot be made) leaves them as they were, so that saving again reads the
// pixels through the same palette. A rectangle without pixels or beyond the
// bitmap limits cannot be saved.
bool WriteBmp(WindowRef window, const int32_t* rect, const char* name) {
  int32_t w = rect[2], h = rect[3];
  if (w <= 0 || h <= 0 || w > kMaxBmpSide || h > kMaxBmpSide || int64_t{w} * h > kMaxBmpPixels) {
    return false;
  }
  DibPixels dib;
  Target target = AcquireTarget(window);
  bool captured = canvas_system->CaptureBitmap(target.surface, {rect[0], rect[1], w, h}, &dib);
  ReleaseTarget(window, target);
  if (!captured) return false;
  std::string file = BuildBmpFile(dib);
  if (!file_system->ReplaceWholeFile(name, file.data(), file.size())) return false;
  canvas_system->ForgetKeptBitmap();
  return true;
}

// What reading a picture file gave: no file (code 15 already set), the file
// read but not decoded, or a picture to be released by the caller.
struct LoadedPicture {
  bool read = false;
  DecodedPicture picture = nullptr;
  int32_t himetric_w = 0, himetric_h = 0;
};

// Reads the whole file, checks it and lets the platform decode it. A file
// that cannot be opened sets code 15; one too long to hold or short on
// reading ends the command without a message. A file that fails the checks
// is not handed to the decoder: like one the decoder does not understand,
// it was read and gives no picture. A bitmap reaches the decoder as the
// file of exactly what the checks read (BmpFileOf), so that no field of
// the file's own headers (its pixel offset, a compression) is trusted.
LoadedPicture LoadPictureFile(const char* name) {
  LoadedPicture loaded;
  std::string bytes;
  WholeFile got = file_system->ReadWholeFile(name, kMaxPictureFile, &bytes);
  if (got == WholeFile::kCannotOpen) SetError(kErrOpenFile);
  if (got != WholeFile::kRead) return loaded;
  loaded.read = true;
  BmpPicture bitmap;
  PictureKind kind =
      CheckPictureFile(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), &bitmap);
  if (kind == PictureKind::kRefused) return loaded;
  std::string rebuilt;
  if (kind == PictureKind::kBitmap) rebuilt = BmpFileOf(bitmap.image);
  const std::string& handed = kind == PictureKind::kBitmap ? rebuilt : bytes;
  loaded.picture = canvas_system->DecodePicture(reinterpret_cast<const uint8_t*>(handed.data()),
                                         handed.size(), &loaded.himetric_w, &loaded.himetric_h);
  return loaded;
}

// Renders the decoded picture at (x, y), sized by target's resolution, and
// releases it.
void RenderLoaded(Surface target, const LoadedPicture& loaded, int32_t x, int32_t y) {
  int32_t dpi_x = 0, dpi_y = 0;
  canvas_system->Resolution(target, &dpi_x, &dpi_y);
  Area to{x, y, HimetricToPixels(loaded.himetric_w, dpi_x),
          HimetricToPixels(loaded.himetric_h, dpi_y)};
  canvas_system->RenderPicture(target, loaded.picture, to);
  canvas_system->ReleasePicture(loaded.picture);
}

}  // namespace

int32_t HimetricToPixels(int32_t himetric, int32_t dpi) {
  int64_t product = int64_t{himetric} * dpi;
  int64_t half = product < 0 ? -1270 : 1270;
  int64_t result = (product + half) / 2540;
  if (result > INT32_MAX || result < INT32_MIN) return -1;
  return static_cast<int32_t>(result);
}

bool AddBmpExtension(char* path, size_t cap) {
  if (std::strchr(path, '.') != nullptr) return true;
  size_t length = std::strlen(path);
  if (length + 5 > cap) return false;
  std::memcpy(path + length, ".bmp", 5);
  return true;
}

bool LoadPictureInto(Surface target, const char* name) {
  LoadedPicture loaded = LoadPictureFile(name);
  if (loaded.picture != nullptr) RenderLoaded(target, loaded, 0, 0);
  return loaded.read;
}

namespace {

// LoadBMP(X,Y,"Name.BMP"): draws a BMP file at (X,Y) of the current screen.
// Codes: 17 while a data file is open, 15 when the file is missing,
// unreadable, not a sound BMP, or not convertible. "FILE_NAME" takes the
// name once the file was read.
void CmdLoadBMP(WindowRef window, const ArgList& args, int) {
  if (!RefuseWhileFileOpen() || !CheckArgCount(args, 3)) return;
  int32_t a[2];
  char name[kMaxStatement];
  if (!GetIntArgs(window, args, 0, 1, a) || !GetResolvedStrArg(args, 2, name)) return;
  if (!ReadBmp(name)) return SetError(kErrOpenFile);
  if (!SetFileName(name)) return;
  DrawKept(window, a[0], a[1]);
}

// LoadBMPDlg(X,Y): the open dialog, then as LoadBMP with the chosen path.
// Gives 1 drawn, 0 cancelled, -1 failed (with code 15), also in ANSWER.
void CmdLoadBMPDlg(WindowRef window, const ArgList& args, int) {
  int32_t a[2];
  if (!RefuseWhileFileOpen() || !GetAllIntArgs(window, args, 2, a)) return;
  SetResultAndAnswer(0);
  char path[kMaxPath];
  CopyText(path, sizeof path, kDialogStart);
  if (!file_system->ChooseFile(window, FileDialog::kOpen, kLoadTitle, kBmpFilters, path,
                               sizeof path) ||
      SectionStopped()) {
    return;
  }
  if (!ReadBmp(path)) {
    SetResultAndAnswer(-1);
    return SetError(kErrOpenFile);
  }
  CopyText(file_name, sizeof file_name, path);
  DrawKept(window, a[0], a[1]);
  SetResultAndAnswer(1);
}

// SaveBMP(X,Y,W,H,"Name.BMP"): saves the W x H rectangle at (X,Y) of the
// current screen as a BMP file in the screen's depth. Code 15 when it cannot
// be captured or written; "FILE_NAME" takes the name even then.
void CmdSaveBMP(WindowRef window, const ArgList& args, int) {
  if (!RefuseWhileFileOpen() || !CheckArgCount(args, 5)) return;
  int32_t a[4];
  char name[kMaxStatement];
  if (!GetIntArgs(window, args, 0, 3, a) || !GetResolvedStrArg(args, 4, name)) return;
  bool saved = WriteBmp(window, a, name);
  if (!SetFileName(name)) return;
  if (!saved) SetError(kErrOpenFile);
}

// SaveBMPDlg(X,Y,W,H): the save dialog, ".bmp" added to a path without any
// ".", then as SaveBMP. Gives 1 saved, 0 cancelled, -1 failed (with code
// 15), also in ANSWER.
void CmdSaveBMPDlg(WindowRef window, const ArgList& args, int) {
  int32_t a[4];
  if (!RefuseWhileFileOpen() || !GetAllIntArgs(window, args, 4, a)) return;
  SetResultAndAnswer(0);
  char path[kMaxPath];
  CopyText(path, sizeof path, kDialogStart);
  if (!file_system->ChooseFile(window, FileDialog::kSave, kSaveTitle, kBmpFilters, path,
                               sizeof path) ||
      SectionStopped()) {
    return;
  }
  if (!AddBmpExtension(path, sizeof path) || !WriteBmp(window, a, path)) {
    SetResultAndAnswer(-1);
    return SetError(kErrOpenFile);
  }
  CopyText(file_name, sizeof file_name, path);
  SetResultAndAnswer(1);
}

// LoadGrpFile(X,Y,"FileName"): draws a bitmap, JPEG, GIF or icon file at
// (X,Y) of the current screen, scaled from its physical size to the screen's
// resolution. Code 15 when the file is missing; a file that does not decode
// draws nothing and reports nothing. "FILE_NAME" takes the name of a
// decoded picture.
void CmdLoadGrpFile(WindowRef window, const ArgList& args, int) {
  if (!RefuseWhileFileOpen() || !CheckArgCount(args, 3)) return;
  int32_t a[2];
  char name[kMaxStatement];
  if (!GetIntArgs(window, args, 0, 1, a) || !GetResolvedStrArg(args, 2, name)) return;
  LoadedPicture loaded = LoadPictureFile(name);
  if (loaded.picture == nullptr) return;
  CopyText(file_name, sizeof file_name, name);
  Target target = AcquireTarget(window);
  RenderLoaded(target.surface, loaded, a[0], a[1]);
  ReleaseTarget(window, target);
}

const CommandRow kRows[] = {
    {"LoadBMP", CmdLoadBMP, 0, kPhaseRun, false, "*iir"},
    {"LoadBMPDlg", CmdLoadBMPDlg, 0, kPhaseRun, true, "*ii"},
    {"LoadGrpFile", CmdLoadGrpFile, 0, kPhaseRun, false, "*iir"},
    {"SaveBMP", CmdSaveBMP, 0, kPhaseRun, false, "*iiiir"},
    {"SaveBMPDlg", CmdSaveBMPDlg, 0, kPhaseRun, true, "*iiii"},
};

}  // namespace

const CommandList picture_commands = {"graphics", kRows, RowCount(kRows)};

}  // namespace zep
