#include "model/fatal_error.h"

#include <cstdio>
#include <cstdlib>

namespace taravin {

namespace {
FatalErrorHandler& handler() {
    static FatalErrorHandler instance = [](const std::string& text) {
        std::fprintf(stderr, "%s\n", text.c_str());
    };
    return instance;
}
}  // namespace

void setFatalErrorHandler(FatalErrorHandler newHandler) {
    handler() = std::move(newHandler);
}

void fatalError(const std::string& text) {
    if (handler()) {
        handler()(text);
    }
    std::_Exit(EXIT_FAILURE);
}

}  // namespace taravin
