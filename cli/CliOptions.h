#pragma once
// What the command line asks tarvonel6-cli to do.

#include <optional>
#include <string>
#include <vector>

enum class CliAction { Analyse, Render, Help, Version };

struct ImageSize {
  int width = 0;
  int height = 0;
  bool operator==(const ImageSize&) const = default;
};

struct CliOptions {
  CliAction action = CliAction::Analyse;
  bool json = false;                    // --json: one JSON object a line
  bool pathsFromStdin = false;          // -0 / --null: NUL-separated paths on stdin
  unsigned jobs = 0;                    // -j / --jobs: loading threads; 0: one per processor
  std::vector<std::string> paths;       // the FILE arguments, as given
  std::string renderOutput;             // --render OUT.png
  std::optional<ImageSize> renderSize;  // --size WxH
};

// Either the options or the French reason the command line is wrong.
struct ParsedCommandLine {
  std::optional<CliOptions> options;
  std::string usageError;
};

// Reads the arguments after the program name. "--" ends the options; "-" is a
// file name. "--render=OUT", "--size=WxH", "--jobs=N" and "-jN" are accepted as
// well.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);

// The most threads -j may ask for, and the most a batch uses when none are
// asked for.
inline constexpr int kMaxJobs = 256;
inline constexpr unsigned kMaxDefaultJobs = 8;

// One loading thread per processor, at least one and at most kMaxDefaultJobs.
unsigned DefaultJobs();

// "WxH" with two positive whole numbers up to 16384; nothing otherwise.
std::optional<ImageSize> ParseImageSize(const std::string& text);
