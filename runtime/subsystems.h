// The one list of what makes a run: the subsystems' command lists and the
// parts of a run's life, in the order of the window's opening steps.
#pragma once

namespace zep {

// Installs both lists; done once at start-up, before the first run.
void InstallSubsystems();

}  // namespace zep
