#include "search/thread_priority.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace taravin {

void lowerThreadPriority() {
    // On Linux a nice value belongs to the thread, and threads it starts inherit it.
    constexpr int kBackgroundNice = 10;
    const auto thread = static_cast<id_t>(syscall(SYS_gettid));
    setpriority(PRIO_PROCESS, thread, kBackgroundNice);
}

}  // namespace taravin
