#pragma once
// --render: paints the window's report of one photo into a PNG file. The only
// mode that needs Qt; it lives in tarvonel6-cli-render, so that the batch
// program never even loads Qt's libraries.

#include "CliOptions.h"

// The image size used when --size is not given: the window's view area.
inline constexpr ImageSize kDefaultRenderSize{588, 365};

// Loads options.paths[0] (if any) the way the window opens it, then paints the
// view into options.renderOutput. Returns the exit status: 0 when the image
// was written, 1 otherwise (after a French message on standard error).
int RunRender(const CliOptions& options, int& argc, char** argv);
