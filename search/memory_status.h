#pragma once

#include <cstdint>

namespace taravin {

// Physical memory figures that size the transposition table.
class MemoryStatus {
  public:
    virtual ~MemoryStatus() = default;
    virtual uint64_t totalBytes() const = 0;
    // Physical memory that can be taken now without pushing other programs out.
    virtual uint64_t availableBytes() const = 0;
};

// The running system's figures: MemTotal and MemAvailable from /proc/meminfo, or sysinfo(2)
// (free plus buffer memory) on kernels that do not report MemAvailable.
class SystemMemoryStatus final : public MemoryStatus {
  public:
    uint64_t totalBytes() const override;
    uint64_t availableBytes() const override;
};

// Figures given by the caller: tests, and the command line's stand-in for the machine.
class FixedMemoryStatus final : public MemoryStatus {
  public:
    FixedMemoryStatus(uint64_t totalBytes, uint64_t availableBytes)
        : total_(totalBytes), available_(availableBytes) {}
    // A machine whose whole memory is available.
    explicit FixedMemoryStatus(uint64_t availableBytes)
        : FixedMemoryStatus(availableBytes, availableBytes) {}

    uint64_t totalBytes() const override { return total_; }
    uint64_t availableBytes() const override { return available_; }

  private:
    uint64_t total_;
    uint64_t available_;
};

}  // namespace taravin
