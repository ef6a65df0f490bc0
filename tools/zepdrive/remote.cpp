#include "remote.h"

namespace zd {

RemoteBlock::RemoteBlock(HANDLE process, size_t size) : process_(process), base_(nullptr), size_(size) {
    base_ = VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteBlock::~RemoteBlock() {
    if (base_ != nullptr) VirtualFreeEx(process_, base_, 0, MEM_RELEASE);
}

bool RemoteBlock::write(size_t offset, const void* data, size_t size) {
    if (!ok() || offset > size_ || size > size_ - offset) return false;
    SIZE_T done = 0;
    return WriteProcessMemory(process_, at(offset), data, size, &done) && done == size;
}

bool RemoteBlock::read(size_t offset, void* data, size_t size) const {
    if (!ok() || offset > size_ || size > size_ - offset) return false;
    return readRemote(process_, at(offset), data, size);
}

bool readRemote(HANDLE process, const void* address, void* data, size_t size) {
    SIZE_T done = 0;
    return ReadProcessMemory(process, address, data, size, &done) && done == size;
}

}  // namespace zd
