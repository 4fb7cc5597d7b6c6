#pragma once

#include "RenderArgs.h"

// Renders one control headless: loads its stored properties, sizes it, plays the inputs,
// prints its events and saves its image. Returns the exit code: 0 done, 1 a file that cannot
// be read or written, 2 bad arguments.
int RunRenderCommand(const RenderArgs& args);
