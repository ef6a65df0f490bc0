// Memory in the started program's address space, for messages whose
// parameters point to structures and buffers (a list view's LVITEM, RECT
// and text buffer): the control reads and writes them in its own process,
// so they must live there. The driver and the program are built with the
// same bitness, so the structures' layouts agree.
#pragma once

#include <windows.h>

#include <cstddef>

namespace zd {

// A block of committed, read-write memory in another process. It is
// released when the object goes. ok() is false when it could not be made;
// every other call then fails.
class RemoteBlock {
public:
    RemoteBlock(HANDLE process, size_t size);
    ~RemoteBlock();
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    bool ok() const { return base_ != nullptr; }
    size_t size() const { return size_; }
    // The address of offset within the block, as the other process sees it.
    void* at(size_t offset) const { return static_cast<char*>(base_) + offset; }
    // Copy size bytes to or from the block at offset; false when the range
    // leaves the block or the copy fails.
    bool write(size_t offset, const void* data, size_t size);
    bool read(size_t offset, void* data, size_t size) const;

private:
    HANDLE process_;
    void* base_;
    size_t size_;
};

// Copies size bytes from any address of the other process (one a control
// handed back, say); false when that memory cannot be read.
bool readRemote(HANDLE process, const void* address, void* data, size_t size);

}  // namespace zd
