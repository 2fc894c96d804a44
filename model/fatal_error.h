#pragma once

#include <functional>
#include <string>

namespace taravin {

// The texts with which the program ends after a failed allocation.
inline constexpr const char* kMemoryAllocationError = "Memory Allocation Error";
inline constexpr const char* kMemoryAllocationErrorDot = "Memory Allocation Error.";
inline constexpr const char* kUnableToAllocateMemory = "Unable to allocate memory.";

// The host shows the text (the window as a stop-icon message box) before the program ends.
using FatalErrorHandler = std::function<void(const std::string& text)>;
void setFatalErrorHandler(FatalErrorHandler handler);

// Shows the text through the handler, then ends the program. Never returns.
[[noreturn]] void fatalError(const std::string& text);

}  // namespace taravin
