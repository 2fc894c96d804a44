#pragma once

#include <QColor>
#include <cstdint>

namespace taravin {

// The profile keeps colours as 0x00BBGGRR; the top byte of a stored value is ignored.
inline QColor colorFromCode(int32_t code) {
    const auto bits = static_cast<uint32_t>(code);
    return QColor(static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
                  static_cast<int>((bits >> 16) & 0xFFu));
}

inline int32_t codeFromColor(const QColor& color) {
    return static_cast<int32_t>(static_cast<uint32_t>(color.red()) |
                                static_cast<uint32_t>(color.green()) << 8 |
                                static_cast<uint32_t>(color.blue()) << 16);
}

}  // namespace taravin
