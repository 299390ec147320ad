#include "Batch.h"

#include "JsonReport.h"
#include "OrderedLoads.h"
#include "Progress.h"
#include "TextReport.h"

#include <cstdio>
#include <unistd.h>

namespace {

constexpr const char* kEmptyFileLine = "Fichier vide : rien n'a été lu.\n";

void Write(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

// The text form of one outcome; nothing for a failure, which goes to stderr.
// With several files each block names its file and blocks are separated by a
// blank line.
class TextPrinter {
 public:
  explicit TextPrinter(bool severalFiles) : severalFiles_(severalFiles) {}

  void Print(const std::string& path, const FileOutcome& outcome) {
    if (outcome.status == LoadStatus::Failed) return;
    std::string block = printedOne_ ? "\n" : "";
    if (severalFiles_) block += "Fichier : " + path + "\n";
    block += outcome.status == LoadStatus::Loaded ? TextReport(outcome.report) : kEmptyFileLine;
    Write(block);
    printedOne_ = true;
  }

 private:
  bool severalFiles_;
  bool printedOne_ = false;
};

}  // namespace

int RunBatch(const std::vector<std::string>& paths, bool json, unsigned jobs) {
  // Output goes out in large blocks, not line by line, unless it is a terminal.
  if (isatty(fileno(stdout)) == 0) std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);

  TextPrinter text(paths.size() > 1);
  Progress progress(stderr, paths.size(), Progress::Wanted(paths.size()));
  int status = 0;
  LoadInOrder(paths, jobs, [&](std::size_t k, const FileOutcome& outcome) {
    if (outcome.status == LoadStatus::Failed) {
      progress.Clear();
      std::fprintf(stderr, "tarvonel6-cli : %s\n", outcome.error.c_str());
      status = 1;
    }
    if (json) Write(JsonReportLine(paths[k], outcome));
    else text.Print(paths[k], outcome);
    progress.Update(k + 1);
  });
  progress.Clear();
  if (std::fflush(stdout) != 0) {
    std::fputs("tarvonel6-cli : écriture sur la sortie standard impossible\n", stderr);
    return 1;
  }
  return status;
}
