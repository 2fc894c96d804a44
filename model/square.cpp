#include "model/square.h"

namespace taravin {

std::string squareName(int32_t row, int32_t column) {
    std::string name(1, static_cast<char>(64 + column));
    name += std::to_string(row);
    return name;
}

}  // namespace taravin
