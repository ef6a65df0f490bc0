// Makes the stub files of ZepFiles/ from the runtime of compiled programs,
// and proves them. The stub of each size class is the runtime followed by
// its script area: the 32-byte marker, then zeros up to the class size.
// Unpacking the packed base stub, and the base stub patched for each middle
// class, must give back exactly the stub of that class, and the marker must
// stand nowhere but at the start of the area. Built and run by the Windows
// build with the host's compiler.
//
//   stubtool RUNTIME.exe OUT_DIR
//
// writes OUT_DIR/Zep111 (3 KB area), Zep11164 (64 KB), and the patches
// Zep11106sv, Zep11112sv, Zep11118sv, Zep11124sv. Exit code 1, with a
// message, when something cannot be read or written or a check fails.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "compiler/pe_image.h"
#include "compiler/stub_format.h"

namespace {

using zep::Bytes;

bool Read(const std::string& path, Bytes* out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  out->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

bool Write(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "stubtool: %s\n", message.c_str());
  return 1;
}

// The runtime with a script area of kilobytes appended.
Bytes StubWithArea(const Bytes& runtime, int kilobytes) {
  Bytes stub = runtime;
  stub.insert(stub.end(), zep::kScriptMarker, zep::kScriptMarker + zep::kMarkerSize);
  stub.resize(runtime.size() + static_cast<size_t>(kilobytes) * 1024, 0);
  return stub;
}

// Unpacking packed (after the patch, if any) must give exactly expected.
bool RoundTrips(Bytes packed, const Bytes* patch, const Bytes& expected) {
  if (patch != nullptr && !zep::ApplyPatch(*patch, &packed)) return false;
  Bytes exe;
  return zep::UnpackStub(std::move(packed), &exe) && exe == expected;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return Fail("usage: stubtool RUNTIME.exe OUT_DIR");
  const std::string dir = argv[2];
  Bytes runtime;
  if (!Read(argv[1], &runtime)) return Fail(std::string("cannot read ") + argv[1]);
  long end = zep::ImageEnd(runtime.data(), runtime.size());
  if (end < 0 || static_cast<size_t>(end) != runtime.size()) {
    return Fail("the runtime is not a program without an overlay");
  }
  if (zep::FindScriptMarker(runtime) >= 0) return Fail("the runtime itself holds the script marker");

  Bytes base_stub = StubWithArea(runtime, 3);
  Bytes base = zep::PackStub(base_stub);
  if (!RoundTrips(base, nullptr, base_stub) || !Write(dir + "/Zep111", base)) {
    return Fail("the base stub does not pack and unpack to itself");
  }
  const struct { int kilobytes; const char* suffix; } kPatches[] = {
      {6, "06sv"}, {12, "12sv"}, {18, "18sv"}, {24, "24sv"}};
  for (const auto& p : kPatches) {
    Bytes stub = StubWithArea(runtime, p.kilobytes), patch;
    if (!zep::MakePatch(base, zep::PackStub(stub), &patch)) {
      return Fail(std::string("the stub for ") + p.suffix + " packs to another length");
    }
    if (!RoundTrips(base, &patch, stub) || !Write(dir + "/Zep111" + p.suffix, patch)) {
      return Fail(std::string("the patch ") + p.suffix + " does not give its stub");
    }
  }
  Bytes big_stub = StubWithArea(runtime, 64);
  Bytes big = zep::PackStub(big_stub);
  if (!RoundTrips(big, nullptr, big_stub) || !Write(dir + "/Zep11164", big)) {
    return Fail("the 64 KB stub does not pack and unpack to itself");
  }
  return 0;
}
