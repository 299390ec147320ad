// Command-line parsing: what each command line asks for, and the usage errors.

#include "cli/CliOptions.h"

#include <gtest/gtest.h>

namespace {

struct Row {
  const char* name;
  std::vector<std::string> args;
  std::string error;  // empty when the line is valid
  CliOptions expected;
};

CliOptions Analyse(std::vector<std::string> paths, bool json = false, bool stdin0 = false,
                   unsigned jobs = 0) {
  CliOptions o;
  o.paths = std::move(paths);
  o.json = json;
  o.pathsFromStdin = stdin0;
  o.jobs = jobs;
  return o;
}

CliOptions Render(std::string out, std::vector<std::string> paths,
                  std::optional<ImageSize> size = std::nullopt) {
  CliOptions o;
  o.action = CliAction::Render;
  o.renderOutput = std::move(out);
  o.paths = std::move(paths);
  o.renderSize = size;
  return o;
}

CliOptions Action(CliAction action, std::vector<std::string> paths = {}) {
  CliOptions o;
  o.action = action;
  o.paths = std::move(paths);
  return o;
}

const std::vector<Row>& Rows() {
  static const std::vector<Row> rows = {
      {"files", {"a.jpg", "b.nef"}, "", Analyse({"a.jpg", "b.nef"})},
      {"json-anywhere", {"a.jpg", "--json", "b.jpg"}, "", Analyse({"a.jpg", "b.jpg"}, true)},
      {"null-alone", {"-0", "--json"}, "", Analyse({}, true, true)},
      {"null-long", {"--null"}, "", Analyse({}, false, true)},
      {"dash-is-a-file", {"-"}, "", Analyse({"-"})},
      {"double-dash-ends-options", {"--", "--json", "-0"}, "", Analyse({"--json", "-0"})},
      {"jobs-apart", {"-j", "3", "a.jpg"}, "", Analyse({"a.jpg"}, false, false, 3)},
      {"jobs-attached", {"-j12", "-0"}, "", Analyse({}, false, true, 12)},
      {"jobs-long", {"--jobs", "1", "a.jpg"}, "", Analyse({"a.jpg"}, false, false, 1)},
      {"jobs-long-equals", {"--jobs=256", "a.jpg"}, "", Analyse({"a.jpg"}, false, false, 256)},
      {"help-wins", {"a.jpg", "--help"}, "", Action(CliAction::Help, {"a.jpg"})},
      {"short-help", {"-h"}, "", Action(CliAction::Help)},
      {"version", {"--version"}, "", Action(CliAction::Version)},
      {"render-no-file", {"--render", "o.png"}, "", Render("o.png", {})},
      {"render-equals-and-size", {"--render=o.png", "--size=320x200", "a.jpg"}, "",
       Render("o.png", {"a.jpg"}, ImageSize{320, 200})},
      {"render-size-first", {"--size", "1X1", "--render", "o.png"}, "",
       Render("o.png", {}, ImageSize{1, 1})},
      {"nothing", {}, "aucun fichier indiqué", {}},
      {"unknown-option", {"--jsn", "a.jpg"}, "option inconnue « --jsn »", {}},
      {"unknown-short", {"-x"}, "option inconnue « -x »", {}},
      {"jobs-zero", {"-j", "0", "a.jpg"},
       "nombre de tâches non valide « 0 » (attendu : de 1 à 256)", {}},
      {"jobs-too-many", {"--jobs=257", "a.jpg"},
       "nombre de tâches non valide « 257 » (attendu : de 1 à 256)", {}},
      {"jobs-not-a-number", {"--jobs=x", "a.jpg"},
       "nombre de tâches non valide « x » (attendu : de 1 à 256)", {}},
      {"jobs-attached-not-a-number", {"-j3x", "a.jpg"},
       "nombre de tâches non valide « 3x » (attendu : de 1 à 256)", {}},
      {"single-dash-json", {"-json", "a.jpg"}, "option inconnue « -json »", {}},
      {"jobs-missing-value", {"a.jpg", "-j"}, "l'option « -j » attend un argument", {}},
      {"render-missing-value", {"--render"}, "l'option « --render » attend un argument", {}},
      {"render-empty-value", {"--render="}, "nom de fichier vide pour « --render »", {}},
      {"size-missing-value", {"--render", "o.png", "--size"},
       "l'option « --size » attend un argument", {}},
      {"size-without-render", {"--size", "10x10", "a.jpg"},
       "« --size » ne s'emploie qu'avec « --render »", {}},
      {"render-two-files", {"--render", "o.png", "a.jpg", "b.jpg"},
       "« --render » prend au plus un fichier", {}},
      {"bad-size", {"--render", "o.png", "--size", "0x0"},
       "taille non valide « 0x0 » (attendu : LxH, par exemple 600x480)", {}},
      {"render-with-json", {"--render", "o.png", "--json"},
       "« --render » ne se combine ni avec « --json » ni avec « -0 »", {}},
  };
  return rows;
}

TEST(CliOptions, EachCommandLine) {
  for (const Row& row : Rows()) {
    SCOPED_TRACE(row.name);
    const ParsedCommandLine parsed = ParseCommandLine(row.args);
    EXPECT_EQ(parsed.usageError, row.error);
    ASSERT_EQ(parsed.options.has_value(), row.error.empty());
    if (!parsed.options) continue;
    const CliOptions& o = *parsed.options;
    EXPECT_EQ(o.action, row.expected.action);
    EXPECT_EQ(o.json, row.expected.json);
    EXPECT_EQ(o.pathsFromStdin, row.expected.pathsFromStdin);
    EXPECT_EQ(o.jobs, row.expected.jobs);
    EXPECT_EQ(o.paths, row.expected.paths);
    EXPECT_EQ(o.renderOutput, row.expected.renderOutput);
    EXPECT_EQ(o.renderSize, row.expected.renderSize);
  }
}

TEST(CliOptions, ImageSizes) {
  struct SizeRow {
    const char* text;
    std::optional<ImageSize> expected;
  };
  const SizeRow rows[] = {
      {"600x480", ImageSize{600, 480}}, {"16384x1", ImageSize{16384, 1}},
      {"0x10", std::nullopt},          {"10x", std::nullopt},
      {"x10", std::nullopt},           {"-5x10", std::nullopt},
      {"+5x10", std::nullopt},         {"10x10x10", std::nullopt},
      {"16385x10", std::nullopt},      {"99999999999x1", std::nullopt},
      {" 10x10", std::nullopt},        {"10*10", std::nullopt},
  };
  for (const SizeRow& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(ParseImageSize(row.text), row.expected);
  }
}

}  // namespace
