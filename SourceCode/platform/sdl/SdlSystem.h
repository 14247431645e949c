#pragma once

// SDL as a whole, for the end of the process.
namespace SdlSystem {

// Shuts down every SDL subsystem still running.
void Quit();

}  // namespace SdlSystem
