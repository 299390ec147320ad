#pragma once
// The texts tarvonel6-cli prints about itself, in French.

#include <string>

// The --help text.
std::string HelpText();

// The --version line.
std::string VersionText();

// What a usage error prints on standard error: the reason, then where to
// look for help.
std::string UsageErrorText(const std::string& reason);
