// SIGHUP and SIGTERM ask the terminal edition to close as its close box does: between two presses
// the game is kept, as a closed window keeps it; during a play the last save stands. The readers
// see the request as the end of input, which means exactly that at each prompt.
#pragma once

namespace pennantry {

// Takes both signals over, unless the program was started to ignore them (under nohup).
void WatchCloseSignals();

enum class Wait { Ready, Interrupted, Closing };

// Waits for input on fd: Ready once there is some (or the input has ended), Closing once a close
// has been asked for, at once if it was asked before, and Interrupted by any other signal.
Wait WaitForInput(int fd);

}  // namespace pennantry
