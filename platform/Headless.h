#pragma once

// Prepares the environment for running without a display: the offscreen platform, a UTF-8
// locale, and a private runtime folder. Call before the application object is created.
void PrepareHeadless();
