// tarvonel6-cli: the shutter-count report of Nikon photos on the command line.

#include "Batch.h"
#include "CliOptions.h"
#include "HelpText.h"
#include "PathList.h"
#include "RenderLauncher.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

void Print(std::FILE* stream, const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stream);
}

// The FILE arguments followed, with -0, by the paths read from standard input.
bool CollectPaths(const CliOptions& options, std::vector<std::string>& paths) {
  paths = options.paths;
  if (!options.pathsFromStdin) return true;
  std::string bytes;
  if (!ReadAll(stdin, bytes)) return false;
  for (std::string& path : SplitNulSeparated(bytes)) paths.push_back(std::move(path));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const ParsedCommandLine parsed = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.options) {
    Print(stderr, UsageErrorText(parsed.usageError));
    return 2;
  }
  const CliOptions& options = *parsed.options;
  switch (options.action) {
    case CliAction::Help: Print(stdout, HelpText()); return 0;
    case CliAction::Version: Print(stdout, VersionText()); return 0;
    case CliAction::Render: return RunRenderProgram(argv);
    case CliAction::Analyse: break;
  }
  std::vector<std::string> paths;
  if (!CollectPaths(options, paths)) {
    Print(stderr, "tarvonel6-cli : lecture de l'entrée standard impossible\n");
    return 1;
  }
  return RunBatch(paths, options.json, options.jobs != 0 ? options.jobs : DefaultJobs());
}
