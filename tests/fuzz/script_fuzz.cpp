// A fuzz driver of the script reader: the bytes of a script file are
// decoded (Shift-JIS, UTF-8 with or without its mark, UTF-16 and binary
// refused), and a text that is read is loaded as a run loads it: compacted,
// its sections found and its CREATE section's pre-pass run with the core's
// commands. Every input is copied into a heap block of exactly its size, so
// that AddressSanitizer stops the run at the first byte read outside it.
//
// Under g++ this is a plain program: a deterministic mutation loop over seed
// scripts written here.
//   build/host/tests/fuzz/zep_script_fuzz [INPUTS [SEED]]
// runs INPUTS mutations (default 20000) from the random seed SEED (default 1).
// Built with clang and -DZEP_LIBFUZZER -fsanitize=fuzzer the same file is a
// libFuzzer target:
//   zep_script_libfuzzer -max_len=4096 CORPUS_DIR
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/commands.h"
#include "core/errors.h"
#include "core/loader.h"
#include "core/program.h"
#include "core/run_parts.h"
#include "core/script_text.h"
#include "core/text.h"
#include "tests/doubles/fake_host.h"
#include "tests/fuzz/fuzz_random.h"

namespace {

zep::FakeHost fake_host;

void Install() {
  static const zep::CommandList* const kLists[] = {&zep::core_commands};
  static const zep::RunPart* const kParts[] = {&zep::core_run_part, &zep::data_file_part};
  zep::host_system = &fake_host;
  zep::file_system = &fake_host;
  zep::InstallCommandLists(kLists, 1);
  zep::InstallRunParts(kParts, 2);
}

void Fail(const char* what, size_t size) {
  std::fprintf(stderr, "%s (%zu bytes)\n", what, size);
  std::abort();
}

// Loads a decoded text; aborts on a broken promise of the loader.
void LoadText(const std::string& text) {
  if (text.size() > 65535) return;  // refused before loading, as a run does
  std::string compacted = text + '\0';
  if (zep::CompactProgramText(&compacted[0]) > text.size()) Fail("the compacted text grew", text.size());
  zep::ClearError();
  if (!zep::SetProgramText(text.data(), text.size())) Fail("SetProgramText refused", text.size());
  zep::LoadProgram(zep::ProgramForm::kSource);
  zep::FreeRunParts(nullptr);
  fake_host.boxes.clear();
  fake_host.calls.clear();
}

// Checks one input; aborts on a broken promise of the reader.
void CheckOne(const uint8_t* input, size_t size) {
  char* file = new char[size == 0 ? 1 : size];
  if (size > 0) std::memcpy(file, input, size);
  std::string text;
  int line = 0;
  zep::ScriptText result = zep::DecodeScriptText(file, size, &text, &line);
  if (result == zep::ScriptText::kRead) {
    if (text.find('\0') != std::string::npos) Fail("a text read with a NUL byte", size);
    LoadText(text);
  } else if (result == zep::ScriptText::kNoShiftJis && line < 1) {
    Fail("no line named for a character Shift-JIS cannot hold", size);
  }
  delete[] file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool installed = (Install(), true);
  (void)installed;
  CheckOne(data, size);
  return 0;
}

#ifndef ZEP_LIBFUZZER

namespace {

using Random = zep::FuzzRandom;

// Scripts as users save them: Shift-JIS with CR LF, UTF-8 with LF and with
// its mark, with comments, strings and double-byte names.
std::vector<std::string> Seeds() {
  const char* const kSjis =
      "// \x83\x65\x83\x58\x83\x67\r\nCREATE{ SetCaption(\"\x93\xfa\x96\x7b\") ; x = 1 ; }\r\n"
      "INIT { if (x == 1) { \x95\xcf\x90\x94 = 2 ; } }\r\nPAINT{Box(1,2,3,4,5,6);}\r\n";
  const char* const kUtf8 =
      "// \xe3\x83\x86\xe3\x82\xb9\xe3\x83\x88\nCREATE {\n  x = 2.5 ; // \xe6\x97\xa5\n}\n"
      "INIT { s = \"\xef\xbd\xb1\xef\xbd\xb2\" ; loop (3) { x = x + 1 ; } }\n";
  return {kSjis, kUtf8, std::string("\xef\xbb\xbf") + kUtf8, "CREATE{}", "{\"}", ""};
}

// A common mutation, or a byte that starts or ends a double-byte or
// multi-byte character, a string, a block, a comment or a line.
void Mutate(std::string* file, Random* random) {
  const char kSpecial[] = "\x81\x9f\xe0\xef\xfc\xc2\xe3\xf0\x80\xbf\"{}/\r\n";
  for (int c = 1 + static_cast<int>(random->Below(4)); c > 0; --c) {
    if (random->Below(5) > 0 || file->empty()) {
      zep::MutateBytes(file, random);
    } else {
      (*file)[random->Below(static_cast<uint32_t>(file->size()))] =
          kSpecial[random->Below(sizeof kSpecial - 1)];
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  long inputs = 0;
  Random random = zep::RunArguments(argc, argv, &inputs);
  Install();
  std::vector<std::string> seeds = Seeds();
  long read = 0;
  for (long n = 0; n < inputs; ++n) {
    std::string file = seeds[random.Below(static_cast<uint32_t>(seeds.size()))];
    Mutate(&file, &random);
    std::string text;
    int line = 0;
    if (zep::DecodeScriptText(file.data(), file.size(), &text, &line) == zep::ScriptText::kRead)
      ++read;
    CheckOne(reinterpret_cast<const uint8_t*>(file.data()), file.size());
  }
  std::printf("%ld inputs, %ld read as scripts\n", inputs, read);
  return 0;
}

#endif
