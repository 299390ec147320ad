// tarvonel6-cli-render: the --render mode of tarvonel6-cli, which starts it
// with the same arguments. Kept apart so that only this program loads Qt.

#include "CliOptions.h"
#include "HelpText.h"
#include "RenderMode.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  const ParsedCommandLine parsed = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.options || parsed.options->action != CliAction::Render) {
    const std::string text = UsageErrorText(parsed.options ? "« --render » attendu" : parsed.usageError);
    std::fputs(text.c_str(), stderr);
    return 2;
  }
  return RunRender(*parsed.options, argc, argv);
}
