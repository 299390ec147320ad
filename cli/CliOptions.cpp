#include "CliOptions.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <thread>

namespace {

constexpr int kMaxSide = 16384;

// Parses a whole number from 1 to max filling the whole of text.
std::optional<int> ParsePositive(std::string_view text, int max) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || ptr != end || value < 1 || value > max)
    return std::nullopt;
  return value;
}

// Walks the arguments once, filling options; stops at the first mistake.
class Parser {
 public:
  explicit Parser(const std::vector<std::string>& args) : args_(args) {}

  ParsedCommandLine Run() {
    while (next_ < args_.size() && error_.empty()) Step(args_[next_++]);
    if (error_.empty()) Check();
    if (!error_.empty()) return {std::nullopt, error_};
    return {options_, {}};
  }

 private:
  // Handles one argument (and the value of an option that takes one).
  void Step(const std::string& arg) {
    if (endOfOptions_ || arg == "-" || arg.empty() || arg[0] != '-') {
      options_.paths.push_back(arg);
    } else if (arg == "--") {
      endOfOptions_ = true;
    } else if (arg == "-h" || arg == "--help") {
      help_ = true;
    } else if (arg == "--version") {
      version_ = true;
    } else if (arg == "--json") {
      options_.json = true;
    } else if (arg == "-0" || arg == "--null") {
      options_.pathsFromStdin = true;
    } else if (auto value = ValueOf(arg, "--render")) {
      render_ = true;
      options_.renderOutput = *value;
      if (error_.empty() && value->empty()) error_ = "nom de fichier vide pour « --render »";
    } else if (auto jobs = JobsValue(arg)) {
      if (!error_.empty()) return;
      const std::optional<int> count = ParsePositive(*jobs, kMaxJobs);
      if (count) options_.jobs = static_cast<unsigned>(*count);
      else error_ = "nombre de tâches non valide « " + *jobs + " » (attendu : de 1 à " +
                     std::to_string(kMaxJobs) + ")";
    } else if (auto size = ValueOf(arg, "--size")) {
      if (!error_.empty()) return;
      options_.renderSize = ParseImageSize(*size);
      if (!options_.renderSize)
        error_ = "taille non valide « " + *size + " » (attendu : LxH, par exemple 600x480)";
    } else {
      error_ = "option inconnue « " + arg + " »";
    }
  }

  // The value of `--name VALUE` or `--name=VALUE` when arg is that option
  // (an empty one, with the error set, when VALUE is missing).
  std::optional<std::string> ValueOf(const std::string& arg, std::string_view name) {
    if (arg == name) {
      if (next_ >= args_.size()) {
        error_ = "l'option « " + std::string(name) + " » attend un argument";
        return std::string();
      }
      return args_[next_++];
    }
    if (arg.size() > name.size() && arg.compare(0, name.size(), name) == 0 && arg[name.size()] == '=')
      return arg.substr(name.size() + 1);
    return std::nullopt;
  }

  // The value of -j N, -jN, --jobs N or --jobs=N when arg is that option. Only
  // a digit may follow -j directly, so that a mistyped "-json" is reported as
  // an unknown option.
  std::optional<std::string> JobsValue(const std::string& arg) {
    if (arg.size() > 2 && arg.starts_with("-j") && std::isdigit(static_cast<unsigned char>(arg[2])))
      return arg.substr(2);
    return ValueOf(arg, arg == "-j" ? "-j" : "--jobs");
  }

  // Rules that concern the command line as a whole.
  void Check() {
    if (help_) {
      options_.action = CliAction::Help;
    } else if (version_) {
      options_.action = CliAction::Version;
    } else if (render_) {
      options_.action = CliAction::Render;
      if (options_.json || options_.pathsFromStdin)
        error_ = "« --render » ne se combine ni avec « --json » ni avec « -0 »";
      else if (options_.paths.size() > 1)
        error_ = "« --render » prend au plus un fichier";
    } else if (options_.renderSize) {
      error_ = "« --size » ne s'emploie qu'avec « --render »";
    } else if (options_.paths.empty() && !options_.pathsFromStdin) {
      error_ = "aucun fichier indiqué";
    }
  }

  const std::vector<std::string>& args_;
  std::size_t next_ = 0;
  CliOptions options_;
  std::string error_;
  bool endOfOptions_ = false;
  bool help_ = false;
  bool version_ = false;
  bool render_ = false;
};

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args) {
  return Parser(args).Run();
}

unsigned DefaultJobs() {
  return std::clamp(std::thread::hardware_concurrency(), 1U, kMaxDefaultJobs);
}

std::optional<ImageSize> ParseImageSize(const std::string& text) {
  const auto x = text.find_first_of("xX");
  if (x == std::string::npos) return std::nullopt;
  const auto width = ParsePositive(std::string_view(text).substr(0, x), kMaxSide);
  const auto height = ParsePositive(std::string_view(text).substr(x + 1), kMaxSide);
  if (!width || !height) return std::nullopt;
  return ImageSize{*width, *height};
}
