#include "CaptureState.h"

// Zero-initialised when its thread starts, and lives as long as the thread.
thread_local constinit CaptureState captureState;
