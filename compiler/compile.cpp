#include "compiler/compile.h"

#include <cstring>
#include <new>
#include <utility>

#include "core/data_file.h"
#include "core/text.h"

namespace zep {

namespace {

// Stubs are about a megabyte; a file far larger is not one of ours.
constexpr size_t kMaxStubFile = 16 << 20;

bool ReadStubFile(const std::string& name, Bytes* out) {
  std::string bytes;
  if (file_system->ReadWholeFile(name.c_str(), kMaxStubFile, &bytes) != WholeFile::kRead) {
    return false;
  }
  out->assign(bytes.begin(), bytes.end());
  return true;
}

// The packed stub of the class, patched when the class needs it.
CompileResult ReadPackedStub(const SizeClass& size_class, const std::string& stem, Bytes* packed) {
  if (!ReadStubFile(stem + size_class.stub_suffix, packed) || packed->empty()) {
    return CompileResult::kMissingFiles;
  }
  if (size_class.patch_suffix[0] == '\0') return CompileResult::kDone;
  Bytes patch;
  if (!ReadStubFile(stem + size_class.patch_suffix, &patch)) return CompileResult::kMissingFiles;
  // A damaged patch is refused whole rather than written past the stub.
  return ApplyPatch(patch, packed) ? CompileResult::kDone : CompileResult::kBadStub;
}

}  // namespace

const char* CompileMessage(CompileResult result) {
  switch (result) {
    case CompileResult::kDone: return "ファイルを作成しました";
    case CompileResult::kTooLarge: return "ソースコードが大きすぎます";
    case CompileResult::kMissingFiles: return "必要なファイルを開けません";
    case CompileResult::kBadStub: return "コンパイル用ファイルが無効です";
    case CompileResult::kNoMemory: return "必要なメモリーを確保できません";
    case CompileResult::kCannotSave: return "ファイルを保存できません";
  }
  return "";
}

std::string StubStem(const std::string& program_folder) {
  return program_folder + "ZepFiles\\Zep111";
}

namespace {

CompileResult Build(const char* text, size_t size, const std::string& stub_stem,
                    const IconIndices& icon, Bytes* exe) {
  std::string script(text, size);
  script.resize(CompactProgramText(&script[0]));
  const SizeClass* size_class = ClassForLength(script.size());
  if (size_class == nullptr) return CompileResult::kTooLarge;
  Bytes packed;
  CompileResult read = ReadPackedStub(*size_class, stub_stem, &packed);
  if (read != CompileResult::kDone) return read;
  bool too_large = false;
  if (!UnpackStub(std::move(packed), exe, &too_large)) {
    return too_large ? CompileResult::kNoMemory : CompileResult::kBadStub;
  }
  long marker = FindScriptMarker(*exe);
  // The area must hold the script and its NUL: the class guarantees it for
  // our stubs, and a stub that does not is refused rather than overrun.
  if (marker < 0 || marker + script.size() + 1 > exe->size()) return CompileResult::kBadStub;
  std::memcpy(exe->data() + marker, script.data(), script.size());
  (*exe)[marker + script.size()] = 0;
  ReplaceStubIcon(icon, exe);
  return CompileResult::kDone;
}

}  // namespace

CompileResult BuildExecutable(const char* text, size_t size, const std::string& stub_stem,
                              const IconIndices& icon, Bytes* exe) {
  try {
    return Build(text, size, stub_stem, icon, exe);
  } catch (const std::bad_alloc&) {
    Bytes().swap(*exe);
    return CompileResult::kNoMemory;
  }
}

CompileResult CompileScript(const char* text, size_t size, const std::string& stub_stem,
                            const IconIndices& icon, const char* output) {
  Bytes exe;
  CompileResult result = BuildExecutable(text, size, stub_stem, icon, &exe);
  if (result != CompileResult::kDone) return result;
  const char* bytes = reinterpret_cast<const char*>(exe.data());
  try {
    if (!file_system->ReplaceWholeFile(output, bytes, exe.size())) return CompileResult::kCannotSave;
  } catch (const std::bad_alloc&) {
    return CompileResult::kNoMemory;
  }
  return CompileResult::kDone;
}

}  // namespace zep
