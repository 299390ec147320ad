#include "CaptureState.h"

// Zero-initialised before anything runs, and lives for the whole process.
CaptureState captureState;
