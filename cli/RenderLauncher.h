#pragma once
// Hands --render over to tarvonel6-cli-render, the program beside this one.

// Replaces this process with tarvonel6-cli-render, given the same arguments.
// Returns only when that fails, with exit status 1 after a French message.
int RunRenderProgram(char** argv);
