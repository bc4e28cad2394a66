#pragma once
// Running the program: everything main() does, so that the benchmark can
// start the very same program in a child process and watch its first paint.
#include <functional>

namespace pelumo {

class frmTalk;

// Returns the process's exit status. onShown runs right after the main window
// has been shown, before the event loop starts.
int runPelumo(int argc, char *argv[], const std::function<void(frmTalk &)> &onShown = {});

} // namespace pelumo
