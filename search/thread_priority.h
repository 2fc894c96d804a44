#pragma once

namespace taravin {

// Lets the calling thread, and the threads it starts, yield to the others of the process and
// the desktop: an analysis that runs for minutes on every core must not make the window wait.
// Does nothing where the system does not allow it.
void lowerThreadPriority();

}  // namespace taravin
