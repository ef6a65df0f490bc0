#include "platform/fault_guard.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>
#include <stdexcept>

#include "core/common.h"
#include "core/errors.h"
#include "core/run_settings.h"
#include "core/section_runs.h"

namespace zep {

namespace {

char fault_message[1024];
volatile LONG reporting = 0;
const char* (*save_text)() = nullptr;

// Saves the text being edited, shows the box and ends the program. No script
// runs meanwhile: the error state makes every event pass.
[[noreturn]] void ReportFault(const char* what) {
  if (InterlockedExchange(&reporting, 1) != 0) TerminateProcess(GetCurrentProcess(), 3);
  error_code = kErrInternal;
  run_state.running = 0;
  const char* saved = save_text != nullptr ? save_text() : "";
  BuildFaultMessage(what, CurrentSectionName(), saved, fault_message, sizeof fault_message);
  MessageBoxA(nullptr, fault_message, "ZEP Error", MB_OK | MB_ICONERROR | MB_TASKMODAL);
  TerminateProcess(GetCurrentProcess(), 3);
  for (;;) Sleep(INFINITE);
}

bool IsProcessorFault(DWORD code) {
  switch (code) {
    case EXCEPTION_ACCESS_VIOLATION: case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
    case EXCEPTION_DATATYPE_MISALIGNMENT: case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_IN_PAGE_ERROR: case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_INT_OVERFLOW: case EXCEPTION_PRIV_INSTRUCTION:
    case EXCEPTION_STACK_OVERFLOW: case EXCEPTION_FLT_DIVIDE_BY_ZERO:
    case EXCEPTION_FLT_INVALID_OPERATION:
      return true;
    default:
      return false;
  }
}

// Whether an address lies in the program's own image (all of its code:
// the program is linked statically).
bool InProgramImage(const void* address) {
  auto base = reinterpret_cast<const BYTE*>(GetModuleHandleA(nullptr));
  auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  auto at = static_cast<const BYTE*>(address);
  return at >= base && at < base + nt->OptionalHeader.SizeOfImage;
}

[[noreturn]] void ReportCode(DWORD code) {
  char what[16];
  std::snprintf(what, sizeof what, "%08lX", static_cast<unsigned long>(code));
  ReportFault(what);
}

// Seen first, before the platform's own handlers (which swallow faults in
// window procedures): faults of the program's code. Faults inside the
// platform's libraries are theirs to handle; a stack overflow is fatal
// wherever it happens.
LONG CALLBACK OnFirstChance(EXCEPTION_POINTERS* info) {
  const EXCEPTION_RECORD* r = info->ExceptionRecord;
  if (!IsProcessorFault(r->ExceptionCode)) return EXCEPTION_CONTINUE_SEARCH;
  if (r->ExceptionCode != EXCEPTION_STACK_OVERFLOW && !InProgramImage(r->ExceptionAddress)) {
    return EXCEPTION_CONTINUE_SEARCH;
  }
  ReportCode(r->ExceptionCode);
}

LONG WINAPI OnUnhandled(EXCEPTION_POINTERS* info) {
  ReportCode(info->ExceptionRecord->ExceptionCode);
}

void OnTerminate() { ReportFault("terminate"); }

// The test option's fault, and the section it waits for.
char test_kind[16] = "";
char test_section[kMaxStatement] = "";

void ForceTestFault(const char* name) {
  if (std::strcmp(name, test_section) != 0) return;
  if (std::strcmp(test_kind, "access") == 0) {
    volatile uintptr_t nowhere = 16;  // an address no program owns
    *reinterpret_cast<volatile int*>(nowhere) = 1;
  }
  if (std::strcmp(test_kind, "exception") == 0) throw std::runtime_error("test");
  if (std::strcmp(test_kind, "memory") == 0) throw std::bad_alloc();
}

}  // namespace

void InstallFaultGuard(const char* (*save)()) {
  save_text = save;
  // Room on the stack for the report after a stack overflow.
  using Guarantee = BOOL(WINAPI*)(PULONG);
  auto guarantee = reinterpret_cast<Guarantee>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetThreadStackGuarantee")));
  ULONG reserve = 64 * 1024;
  if (guarantee != nullptr) guarantee(&reserve);
  AddVectoredExceptionHandler(1, OnFirstChance);
  SetUnhandledExceptionFilter(OnUnhandled);
  std::set_terminate(OnTerminate);
}

const char* TakeTestFaultOption(const char* command_line) {
  static const char kOption[] = "--zep-test-fault=";
  if (std::strncmp(command_line, kOption, sizeof kOption - 1) != 0) return command_line;
  const char* p = command_line + sizeof kOption - 1;
  size_t k = 0;
  while (*p != '\0' && *p != ':' && k + 1 < sizeof test_kind) test_kind[k++] = *p++;
  test_kind[k] = '\0';
  if (*p == ':') ++p;
  size_t s = 0;
  while (*p != '\0' && *p != ' ' && s + 1 < sizeof test_section) test_section[s++] = *p++;
  test_section[s] = '\0';
  while (*p == ' ') ++p;
  section_starting = ForceTestFault;
  return p;
}

}  // namespace zep
