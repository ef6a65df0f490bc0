// The compiler: the packed and patch formats of the runtime stub, the size
// classes, the icon file and images and their replacement in the stub, the
// program headers, and whole compiles against stub files in memory.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "compiler/compile.h"
#include "compiler/pe_image.h"
#include "compiler/stub_format.h"
#include "core/data_file.h"
#include "tests/doubles/fake_host.h"

namespace zep {
namespace {

Bytes B(const std::string& s) { return Bytes(s.begin(), s.end()); }
const std::string kSig("MZ\x90\0", 4);

TEST(StubPacking, UnpackingGivesBackEveryExecutable) {
  const std::string kBodies[] = {
      "",           std::string(6, 'a'),       std::string(7, 'a'),
      std::string(70000, '\0'),                "PRS",  "PPRS", "PRPRS", "xPR", "PRSPRS",
      "P" + std::string(9, 'R') + "S",         std::string(8, 'P') + "RS",
  };
  for (const std::string& body : kBodies) {
    Bytes exe = B(kSig + body + "end");
    Bytes packed = PackStub(exe), back;
    EXPECT_EQ(Bytes(packed.begin(), packed.begin() + 4), Bytes(kPackedTag, kPackedTag + 4));
    ASSERT_TRUE(UnpackStub(packed, &back));
    EXPECT_EQ(back, exe) << body.substr(0, 20);
  }
  // A long run becomes records, so the packed stub is short.
  EXPECT_LT(PackStub(B(kSig + std::string(70000, '\0'))).size(), 20u);
}

TEST(StubPacking, RecordsArePRSValueAndABigEndianCount) {
  Bytes packed = B("ZPK1PRS\x41\x01\x02" "b");
  Bytes exe;
  ASSERT_TRUE(UnpackStub(packed, &exe));
  EXPECT_EQ(exe, B(kSig + std::string(0x0102, 'A') + "b"));
  // A record cut short by the end of the file is plain bytes.
  ASSERT_TRUE(UnpackStub(B("ZPK1PRS\x41"), &exe));
  EXPECT_EQ(exe, B(kSig + "PRS\x41"));
  EXPECT_FALSE(UnpackStub(B("ZP"), &exe));
}

TEST(StubPacking, PatchesApplyInOrderAndRefuseWhatLiesOutside) {
  Bytes packed = B("abcdef");
  ASSERT_TRUE(ApplyPatch(B(std::string("\0\0\1X\0\0\1Y\0\0\5Z", 12)), &packed));
  EXPECT_EQ(packed, B("aYcdeZ"));
  EXPECT_FALSE(ApplyPatch(B(std::string("\0\0\1Q\0\0\6R", 8)), &packed));
  EXPECT_FALSE(ApplyPatch(B(std::string("\0\0\1", 3)), &packed));
  EXPECT_EQ(packed, B("aYcdeZ")) << "a refused patch changes nothing";

  Bytes patch;
  ASSERT_TRUE(MakePatch(B("abcdef"), B("abXdeY"), &patch));
  EXPECT_EQ(patch, B(std::string("\0\0\2X\0\0\5Y", 8)));
  EXPECT_FALSE(MakePatch(B("abc"), B("abcd"), &patch));
}

TEST(StubPacking, ClassesByCompactedLength) {
  const struct { size_t length; int kilobytes; const char* stub; const char* patch; } kRows[] = {
      {0, 3, "", ""},         {3071, 3, "", ""},      {3072, 6, "", "06sv"},
      {6144, 12, "", "12sv"}, {18431, 18, "", "18sv"}, {24575, 24, "", "24sv"},
      {24576, 64, "64", ""},  {65535, 64, "64", ""},
  };
  for (const auto& row : kRows) {
    const SizeClass* c = ClassForLength(row.length);
    ASSERT_NE(c, nullptr) << row.length;
    EXPECT_EQ(c->kilobytes, row.kilobytes) << row.length;
    EXPECT_STREQ(c->stub_suffix, row.stub);
    EXPECT_STREQ(c->patch_suffix, row.patch);
  }
  EXPECT_EQ(ClassForLength(65536), nullptr);
}

TEST(CompileNames, OutputNameFromTheFileNamesFirstDot) {
  EXPECT_EQ(DefaultExeName("D:\\prog\\test.zep"), "D:\\prog\\test.exe");
  EXPECT_EQ(DefaultExeName("D:\\my.dir\\prog.zep"), "D:\\my.dir\\prog.exe");
  EXPECT_EQ(DefaultExeName("D:\\my.dir\\prog"), "D:\\my.dir\\prog.exe");
  EXPECT_EQ(DefaultExeName("D:\\prog\\game.v2.zep"), "D:\\prog\\game.exe");
  EXPECT_EQ(DefaultExeName("D:\\prog\\test"), "D:\\prog\\test.exe");
  EXPECT_EQ(StubStem("C:\\zep\\"), "C:\\zep\\ZepFiles\\Zep111");
}

// An icon file whose pixels are the values 0..17 in turn.
std::string IconFile(const char* head) {
  std::string file(head, 7);
  for (int i = 0; i < 1024; ++i) file += static_cast<char>(i % 18);
  return file;
}

TEST(IconFiles, TheFilePaletteMapsToTheIconPalette) {
  IconIndices icon;
  std::string file = IconFile("Xor Zep");
  ASSERT_TRUE(ReadIconFile(reinterpret_cast<const uint8_t*>(file.data()), file.size(), &icon));
  const uint8_t kExpected[18] = {0, 12, 9, 13, 10, 14, 11, 15, 4, 1, 5, 2, 6, 3, 7, 8, 16, 15};
  for (int i = 0; i < 18; ++i) EXPECT_EQ(icon[i], kExpected[i]) << "file index " << i;
  for (const char* bad : {"or ZepX", "Xor zep"}) {
    std::string other = IconFile(bad);
    EXPECT_FALSE(ReadIconFile(reinterpret_cast<const uint8_t*>(other.data()), other.size(), &icon));
  }
  EXPECT_FALSE(ReadIconFile(reinterpret_cast<const uint8_t*>(file.data()), 1030, &icon));
}

TEST(IconFiles, TheProgramsIconIsANavyTileWithAWhiteZ) {
  std::ifstream in(ZEP_SOURCE_DIR "/resources/zep.ico", std::ios::binary);
  std::string ico((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_GT(ico.size(), 22u);
  IconIndices icon;
  ASSERT_TRUE(ReadIconImage(reinterpret_cast<const uint8_t*>(ico.data()) + 22, ico.size() - 22, &icon));
  EXPECT_EQ(icon[0], kTransparent) << "rounded corner";
  EXPECT_EQ(icon[16 * 32 + 1], 4) << "the tile";
  EXPECT_EQ(icon[7 * 32 + 10], 15) << "the Z";
}

// A stub image with the icon pattern at `at`: palette end, then 16 bytes of
// colour 4 (the bottom row), then the rest of the pixels and the mask.
Bytes StubWithIcon(size_t at, size_t size) {
  Bytes exe(size, 0x11);
  const uint8_t kEnd[4] = {0xFF, 0xFF, 0xFF, 0x00};
  std::copy(kEnd, kEnd + 4, exe.begin() + at);
  std::fill(exe.begin() + at + 4, exe.begin() + at + 4 + 512, 0x44);
  std::fill(exe.begin() + at + 4 + 512, exe.begin() + at + 4 + 640, 0x00);
  return exe;
}

TEST(IconReplacement, BottomRowFirstAndTransparentPixelsMasked) {
  const size_t at = 0x20010;
  Bytes exe = StubWithIcon(at, at + 700);
  IconIndices icon;
  icon.fill(9);
  icon[31 * 32 + 0] = 1;             // bottom row, left pixel
  icon[31 * 32 + 3] = kTransparent;  // bottom row, the right pixel of a pair
  icon[0] = kTransparent;            // top-left
  ASSERT_TRUE(ReplaceStubIcon(icon, &exe));
  const uint8_t* pixels = exe.data() + at + 4;
  const uint8_t* mask = pixels + 512;
  EXPECT_EQ(pixels[0], 0x19);
  EXPECT_EQ(pixels[1], 0x90) << "the transparent pixel becomes colour 0";
  EXPECT_EQ(pixels[511], 0x99);
  EXPECT_EQ(mask[0], 0x10) << "the bit of pixel 3 of the bottom row";
  EXPECT_EQ(mask[31 * 4], 0x80) << "the top row comes last";
  EXPECT_EQ(mask[1], 0x00);

  Bytes early = StubWithIcon(0x1000, 0x21000);
  EXPECT_FALSE(ReplaceStubIcon(icon, &early)) << "searched from 0x20000 on";
  Bytes cut = StubWithIcon(0x20000, 0x20000 + 700);
  cut.resize(0x20000 + 100);
  EXPECT_FALSE(ReplaceStubIcon(icon, &cut)) << "an image cut short by the end";
}

// The headers of a program with two sections, the last ending at `end`.
Bytes Program(uint32_t end, size_t size) {
  Bytes file(size, 0);
  file[0] = 'M', file[1] = 'Z', file[0x3C] = 0x40;
  const uint8_t kPe[] = {'P', 'E', 0, 0, 0x4C, 0x01, 2, 0};
  std::copy(kPe, kPe + 8, file.begin() + 0x40);
  file[0x40 + 20] = 0;  // no optional header
  auto section = [&](size_t i, uint32_t raw_size, uint32_t raw_pointer) {
    uint8_t* s = file.data() + 0x40 + 24 + 40 * i;
    for (int b = 0; b < 4; ++b) s[16 + b] = raw_size >> (8 * b), s[20 + b] = raw_pointer >> (8 * b);
  };
  section(0, 0x100, 0x200);
  section(1, end - 0x300, 0x300);
  return file;
}

TEST(ProgramHeaders, TheImageEndsAfterItsLastSection) {
  Bytes file = Program(0x400, 0x500);
  EXPECT_EQ(ImageEnd(file.data(), file.size()), 0x400);
  Bytes beyond = Program(0x600, 0x500);
  EXPECT_EQ(ImageEnd(beyond.data(), beyond.size()), -1);
  EXPECT_EQ(ImageEnd(file.data(), 0x60), -1) << "headers cut short";
  file[0x40] = 'X';
  EXPECT_EQ(ImageEnd(file.data(), file.size()), -1);
}

// --- Whole compiles ---------------------------------------------------------

class CompileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    file_system = &host_;
    // A tiny stub: signature, some code, the 3 KB script area.
    stub_ = B(kSig + "code");
    stub_.insert(stub_.end(), kScriptMarker, kScriptMarker + kMarkerSize);
    stub_.resize(stub_.size() + 3 * 1024 - kMarkerSize, 0);
    Bytes big = stub_;
    big.resize(big.size() + 61 * 1024, 0);
    Put("Zep111", PackStub(stub_));
    Put("Zep11164", PackStub(big));
    Bytes six = stub_, patch;
    six.resize(six.size() + 3 * 1024, 0);
    MakePatch(PackStub(stub_), PackStub(six), &patch);
    Put("Zep11106sv", patch);
  }
  void TearDown() override { file_system = nullptr; }

  void Put(const std::string& name, const Bytes& bytes) {
    host_.files[kStem + name.substr(6)] = std::string(bytes.begin(), bytes.end());
  }
  CompileResult Build(const std::string& text, Bytes* exe) {
    return BuildExecutable(text.data(), text.size(), kStem, icon_, exe);
  }
  // The script stored in a built program.
  std::string Stored(const Bytes& exe) {
    long at = 8;
    return std::string(exe.begin() + at, std::find(exe.begin() + at, exe.end(), 0));
  }

  const std::string kStem = "C:\\zep\\ZepFiles\\Zep111";
  FakeHost host_;
  Bytes stub_;
  IconIndices icon_{};
};

TEST_F(CompileTest, TheCompactedScriptReplacesTheMarker) {
  Bytes exe;
  ASSERT_EQ(Build("MAIN { x = 1 ; } // note\r\nA{ Print(\"a  b\") ; }", &exe), CompileResult::kDone);
  EXPECT_EQ(Stored(exe), "MAIN{x=1;}A{Print(\"a  b\");}");
  EXPECT_EQ(exe.size(), stub_.size());
  EXPECT_EQ(Bytes(exe.begin(), exe.begin() + 8), B(kSig + "code"));
}

TEST_F(CompileTest, EachClassReadsItsStubAndPatch) {
  const struct { size_t length; size_t exe_size; } kRows[] = {
      {3071, 8 + 3 * 1024}, {3072, 8 + 6 * 1024}, {24576, 8 + 64 * 1024}};
  for (const auto& row : kRows) {
    Bytes exe;
    std::string text = "A{" + std::string(row.length - 3, 'x') + "}";
    if (row.length >= 6144 && row.length < 24576) continue;
    ASSERT_EQ(Build(text, &exe), CompileResult::kDone) << row.length;
    EXPECT_EQ(exe.size(), row.exe_size) << row.length;
    EXPECT_EQ(Stored(exe), text);
  }
  // White space does not count: 5,000 bytes that compact to 3,000 use the base stub.
  Bytes exe;
  std::string spaced = "A{" + std::string(2997, 'x') + "}" + std::string(2000, ' ');
  ASSERT_EQ(Build(spaced, &exe), CompileResult::kDone);
  EXPECT_EQ(exe.size(), 8u + 3 * 1024);
}

TEST_F(CompileTest, FailuresWriteNothing) {
  Bytes exe;
  EXPECT_EQ(Build("A{" + std::string(65534, 'x') + "}", &exe), CompileResult::kTooLarge);
  EXPECT_EQ(Build("A{" + std::string(18000, 'x') + "}", &exe), CompileResult::kMissingFiles)
      << "no 18 KB patch";
  Put("Zep11106sv", B(std::string("\x7F\0\0\0", 4)));
  EXPECT_EQ(Build("A{" + std::string(4000, 'x') + "}", &exe), CompileResult::kBadStub)
      << "a patch position beyond the stub";
  Put("Zep111", PackStub(B(kSig + "no marker here")));
  EXPECT_EQ(Build("A{}", &exe), CompileResult::kBadStub);
  Put("Zep111", {});
  EXPECT_EQ(Build("A{}", &exe), CompileResult::kMissingFiles);

  host_.locked.insert("out.exe");
  Put("Zep111", PackStub(stub_));
  EXPECT_EQ(CompileScript("A{}", 3, kStem, icon_, "out.exe"), CompileResult::kCannotSave);
  host_.locked.clear();
  EXPECT_EQ(CompileScript("A{}", 3, kStem, icon_, "out.exe"), CompileResult::kDone);
  EXPECT_EQ(host_.files["out.exe"].size(), stub_.size());
}

}  // namespace
}  // namespace zep
