#pragma once

#include <cstddef>

namespace taravin {

// A block of memory that reads as zero bytes until written. The system hands out its pages
// on first touch, so a block of many gigabytes costs nothing until it is used, and zeroing it
// again gives the touched pages back: both cost in proportion to what was written, not to the
// block's size.
class ZeroedMemory {
  public:
    // Empty (not valid()) when bytes is 0 or the system refuses the block.
    explicit ZeroedMemory(std::size_t bytes);
    ~ZeroedMemory();
    ZeroedMemory(ZeroedMemory&& other) noexcept;
    ZeroedMemory& operator=(ZeroedMemory&& other) noexcept;
    ZeroedMemory(const ZeroedMemory&) = delete;
    ZeroedMemory& operator=(const ZeroedMemory&) = delete;

    bool valid() const { return data_ != nullptr; }
    void* data() const { return data_; }
    std::size_t size() const { return size_; }

    // Every byte reads as zero again.
    void zero();

  private:
    void release();

    void* data_ = nullptr;
    std::size_t size_ = 0;
};

}  // namespace taravin
