// The icon resource of a program file: what a compile wrote into it.
#include <cstring>

#include "handlers.h"

namespace zd {
namespace {

#pragma pack(push, 2)
struct GroupEntry {
    BYTE width, height, colors, reserved;
    WORD planes, bits;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

// The bytes of the 32 x 32, 16-colour image of icon group `group`; empty
// when the file has none. The module is loaded as data, never run.
std::string iconImage(const std::string& path, int group) {
    std::string image;
    HMODULE file = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (file == nullptr) return image;
    HRSRC found = FindResourceA(file, MAKEINTRESOURCEA(group), MAKEINTRESOURCEA(14));
    const BYTE* dir = found ? (const BYTE*)LockResource(LoadResource(file, found)) : nullptr;
    DWORD dir_size = found ? SizeofResource(file, found) : 0;
    WORD count = dir && dir_size >= 6 ? *(const WORD*)(dir + 4) : 0;
    for (WORD i = 0; i < count && 6 + (i + 1) * sizeof(GroupEntry) <= dir_size; ++i) {
        GroupEntry e;
        std::memcpy(&e, dir + 6 + i * sizeof(GroupEntry), sizeof e);
        if (e.width != 32 || e.height != 32 || e.bits != 4) continue;
        HRSRC icon = FindResourceA(file, MAKEINTRESOURCEA(e.id), MAKEINTRESOURCEA(3));
        if (icon == nullptr) break;
        const char* bytes = (const char*)LockResource(LoadResource(file, icon));
        image.assign(bytes, SizeofResource(file, icon));
        break;
    }
    FreeLibrary(file);
    return image;
}

}  // namespace

// icon PATH GROUP X Y INDEX MASK: pixel X Y (top row 0) of the 32 x 32,
// 16-colour image of the file's icon group has that colour index and mask
// bit (1 = transparent). The image is bottom-up: a 40-byte header, 16
// palette entries, 16 bytes of pixels a row, then the mask, 4 bytes a row.
Outcome runIcon(Context& c, const Directive& d) {
    std::string path = scriptRelative(c, d.args[0].text);
    std::string image = iconImage(path, (int)d.args[1].num);
    const size_t pixels = 40 + 16 * 4, mask = pixels + 32 * 16;
    if (image.size() < mask + 32 * 4) return fail("a 32 x 32, 16-colour icon", path);
    int x = (int)d.args[2].num & 31, row = 31 - ((int)d.args[3].num & 31);
    unsigned char pair = (unsigned char)image[pixels + row * 16 + x / 2];
    int index = x % 2 ? pair & 15 : pair >> 4;
    int bit = ((unsigned char)image[mask + row * 4 + x / 8] >> (7 - x % 8)) & 1;
    int want_index = (int)d.args[4].num, want_bit = (int)d.args[5].num;
    if (index == want_index && bit == want_bit) return pass();
    return fail("index " + std::to_string(want_index) + " mask " + std::to_string(want_bit),
                "index " + std::to_string(index) + " mask " + std::to_string(bit));
}

}  // namespace zd
