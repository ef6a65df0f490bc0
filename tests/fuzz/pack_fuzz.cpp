// A fuzz driver of the 3D pack file reader and of the face builder that
// draws what it read. The pack's triangles sit in a heap block of exactly
// its capacity, so that AddressSanitizer stops the run at the first value
// stored outside it, and UBSan at any overflow of the projection.
//
// Each input is a file of any length (cut records, odd lengths, longer than
// the pack), read into a pack of a random capacity; a file that fits must
// give length / 24 triangles whose values re-encode to the file's bytes, one
// that does not must leave the pack untouched. Then the pack (with the
// file's values, or random 32-bit coordinates) is drawn with random angles,
// positions and projections: every face must lie in the drawable range, be
// one of the pack's triangles, and come in depth order.
//
//   build/host/tests/fuzz/zep_pack_fuzz [INPUTS [SEED]]
// runs INPUTS inputs (default 20000) from the random seed SEED (default 1).
// Built with clang and -DZEP_LIBFUZZER -fsanitize=fuzzer the same file is a
// libFuzzer target of the reader and the face builder together.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "graphics/pack_file.h"
#include "graphics/pack_maths.h"
#include "tests/fuzz/fuzz_random.h"

namespace {

void Fail(const char* what, size_t size) {
  std::fprintf(stderr, "pack fuzz: %s (file of %zu bytes)\n", what, size);
  std::abort();
}

// Reads the file into a pack of capacity triangles and checks the promises
// of DecodePackFile. Gives the number of triangles read (0 when refused).
int32_t ReadInto(const uint8_t* bytes, size_t size, int32_t* triangles, int32_t capacity) {
  const int32_t kUntouched = 0x5A5A5A5A;
  size_t values = static_cast<size_t>(capacity) * zep::kTriangleValues;
  for (size_t i = 0; i < values; ++i) triangles[i] = kUntouched;
  int32_t count = zep::DecodePackFile(bytes, size, triangles, capacity);
  if (size > static_cast<size_t>(capacity) * zep::kPackRecordBytes) {
    if (count != -1) Fail("a file longer than the pack was accepted", size);
    for (size_t i = 0; i < values; ++i) {
      if (triangles[i] != kUntouched) Fail("a refused file changed the pack", size);
    }
    return 0;
  }
  if (count != static_cast<int32_t>(size / zep::kPackRecordBytes)) Fail("wrong count", size);
  std::vector<uint8_t> again(static_cast<size_t>(count) * zep::kPackRecordBytes);
  zep::EncodePackFile(triangles, count, again.data());
  if (!again.empty() && std::memcmp(again.data(), bytes, again.size()) != 0) {
    Fail("the values read do not write back as the file", size);
  }
  return count;
}

// Draws the pack and checks the faces.
void DrawAndCheck(const zep::Pack3D& pack, const zep::Projection& view) {
  std::vector<zep::Face> faces(static_cast<size_t>(pack.count) + 1);
  int n = zep::BuildFaces(pack, view, faces.data());
  if (n < 0 || n > pack.count) Fail("face count out of range", 0);
  for (int i = 0; i < n; ++i) {
    const zep::Face& f = faces[i];
    if (f.index < 0 || f.index >= pack.count) Fail("a face of no triangle", 0);
    for (const zep::PointXY& p : f.points) {
      if (std::abs(static_cast<double>(p.x)) > zep::kScreenLimit ||
          std::abs(static_cast<double>(p.y)) > zep::kScreenLimit) {
        Fail("a face point beyond the drawable range", 0);
      }
    }
    if (i > 0 && (faces[i - 1].depth < f.depth ||
                  (faces[i - 1].depth == f.depth && faces[i - 1].index < f.index))) {
      Fail("faces out of depth order", 0);
    }
  }
}

// The shared deterministic generator, with the values a pack takes.
struct Random : zep::FuzzRandom {
  int32_t Any() { return static_cast<int32_t>(Next()); }
  // Mostly small values, sometimes the extremes.
  int32_t Coordinate() {
    switch (Below(4)) {
      case 0: return Any();
      case 1: return Below(2) ? INT32_MAX : INT32_MIN;
      default: return static_cast<int32_t>(Below(2001)) - 1000;
    }
  }
};

// Random angles, positions and projection, drawn from the generator.
void DrawVariations(zep::Pack3D* pack, Random* random) {
  for (int v = 0; v < 3; ++v) {
    pack->angle_x = random->Below(3601) / 10.0;
    pack->angle_y = random->Below(3601) / 10.0;
    pack->angle_z = random->Below(3601) / 10.0;
    pack->pos_x = random->Coordinate();
    pack->pos_y = random->Coordinate();
    pack->pos_z = random->Below(8) ? random->Coordinate() : 1e18 * (random->Below(2) ? 1 : -1);
    zep::Projection view;
    view.center_x = random->Coordinate();
    view.center_y = random->Coordinate();
    view.deep = random->Below(4) ? 1000.0 : random->Coordinate();
    DrawAndCheck(*pack, view);
  }
}

void CheckOne(const uint8_t* input, size_t size, Random* random) {
  int32_t capacity = 1 + static_cast<int32_t>(random->Below(random->Below(8) ? 8 : 1024));
  std::vector<uint8_t> file(input, input + size);  // a heap block of exactly the file
  int32_t* triangles = new int32_t[static_cast<size_t>(capacity) * zep::kTriangleValues];
  zep::Pack3D pack;
  pack.capacity = capacity;
  pack.triangles = triangles;
  pack.count = ReadInto(file.data(), file.size(), triangles, capacity);
  DrawVariations(&pack, random);
  if (random->Below(2)) {  // the same pack with 32-bit values no file can hold
    pack.count = capacity;
    for (int32_t i = 0; i < capacity * zep::kTriangleValues; ++i) {
      triangles[i] = random->Coordinate();
    }
    DrawVariations(&pack, random);
  }
  delete[] triangles;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Random random{{0x9E3779B97F4A7C15ull ^ size}};
  CheckOne(data, size, &random);
  return 0;
}

#ifndef ZEP_LIBFUZZER

int main(int argc, char** argv) {
  long inputs = 0;
  Random random{zep::RunArguments(argc, argv, &inputs)};
  std::vector<uint8_t> file;
  for (long n = 0; n < inputs; ++n) {
    // Lengths around whole records and around the pack's size, odd ones too.
    size_t records = random.Below(random.Below(8) ? 10 : 1100);
    size_t size = records * zep::kPackRecordBytes + random.Below(3) * random.Below(24);
    file.resize(size);
    for (uint8_t& b : file) b = static_cast<uint8_t>(random.Next());
    CheckOne(file.data(), file.size(), &random);
  }
  std::printf("%ld inputs\n", inputs);
  return 0;
}

#endif
