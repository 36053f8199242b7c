#pragma once

namespace launcher {

// Runs until the quit message; returns the value it carried. Every message is first offered
// for pre-translation to its window and that window's ancestors; a consumed one is not dispatched.
int RunMessageLoop();

}  // namespace launcher
