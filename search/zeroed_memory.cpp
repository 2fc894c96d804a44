#include "search/zeroed_memory.h"

#include <sys/mman.h>

#include <cstring>
#include <utility>

namespace taravin {

ZeroedMemory::ZeroedMemory(std::size_t bytes) {
    if (bytes == 0) {
        return;
    }
    void* block = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED) {
        return;
    }
    data_ = block;
    size_ = bytes;
}

ZeroedMemory::~ZeroedMemory() {
    release();
}

ZeroedMemory::ZeroedMemory(ZeroedMemory&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

ZeroedMemory& ZeroedMemory::operator=(ZeroedMemory&& other) noexcept {
    if (this != &other) {
        release();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
}

void ZeroedMemory::zero() {
    if (!data_) {
        return;
    }
    // Dropped pages of a private anonymous mapping come back as fresh zero pages.
    if (madvise(data_, size_, MADV_DONTNEED) != 0) {
        std::memset(data_, 0, size_);
    }
}

void ZeroedMemory::release() {
    if (data_) {
        munmap(data_, size_);
        data_ = nullptr;
        size_ = 0;
    }
}

}  // namespace taravin
