// tarvonel6-cli run as a user runs it, on photos made by the sample generator:
// the text and JSON report of every outcome, code page and UTF-8 handling,
// batches with failures, paths on standard input, exit codes and --render.

#include "RunCli.h"
#include "framework/Cp1252.h"
#include "tools/SamplePhoto.h"
#include "view/ReportTexts.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

std::string Utf8(const std::string& cp1252) { return Cp1252ToUtf8(cp1252); }

// One photo and what the program prints for it, in text and as JSON (the
// JSON object after its "path" key).
struct Row {
  const char* name;
  std::string bytes;
  std::string text;
  std::string json;
};

std::string Photo(const SamplePhotoOptions& options) { return MakeSamplePhoto(options); }

const std::string kD70Text =
    "NIKON D70\n"
    "Firmware Ver.2.00\n"
    "N° de série : 00041852\n"
    "Nombre de déclenchements :\n"
    "hex 005ba0 = 23456\n";

const std::vector<Row>& Rows() {
  static const std::vector<Row> rows = {
      {"d70-serial-after-no", Photo({}), kD70Text,
       R"("loaded":true,"modelFound":true,"modelPosition":128,"modelText":"NIKON D70",)"
       R"("firmwareFound":true,"firmwareText":"Ver.2.00","serialState":"FromNoTag",)"
       R"("serialText":"00041852","shutterState":"Found","shutterCountHex":"005ba0",)"
       R"("shutterCount":23456,"shutterCountDecimal":"23456"})"},
      {"pkg-model", Photo({.model = "NIKON D200", .serialStyle = SerialStyle::Pkg,
                           .shutterCount = 123456}),
       "NIKON D200\n"
       "Firmware Ver.2.00\n"
       "N° de série :     PKG 00041852\n"
       "Nombre de déclenchements :\n"
       "hex 01e240 = 123456\n",
       R"("loaded":true,"modelFound":true,"modelPosition":128,"modelText":"NIKON D200",)"
       R"("firmwareFound":true,"firmwareText":"Ver.2.00","serialState":"FromPkgTag",)"
       R"("serialText":"    PKG 00041852    ","shutterState":"Found","shutterCountHex":"01e240",)"
       R"("shutterCount":123456,"shutterCountDecimal":"123456"})"},
      {"d50-nothing-given-count-zero",
       Photo({.model = "NIKON D50", .firmware = "", .serialStyle = SerialStyle::None,
              .shutterCount = 0}),
       "NIKON D50\n"
       "Firmware Version non précisée\n"
       "N° de série : non précisé\n"
       "Nombre de déclenchements :\n"
       "hex 000000 = 0\n",
       R"("loaded":true,"modelFound":true,"modelPosition":116,"modelText":"NIKON D50",)"
       R"("firmwareFound":false,"firmwareText":"","serialState":"NotGiven",)"
       R"("serialText":"","shutterState":"Found","shutterCountHex":"000000",)"
       R"("shutterCount":0,"shutterCountDecimal":"0"})"},
      {"d1-series-stops", Photo({.model = "NIKON D1X", .firmware = "Ver.5.01"}),
       "NIKON D1X\n"
       "Firmware Ver.5.01\n"
       "N° de série : non précisé\n"
       "Aucun renseignement supplémentaire.\n"
       "n'est disponible sur les boîtiers\n"
       "de la série D1...\n",
       R"("loaded":true,"modelFound":true,"modelPosition":128,"modelText":"NIKON D1X",)"
       R"("firmwareFound":true,"firmwareText":"Ver.5.01","serialState":"D1SeriesStop",)"
       R"("serialText":"","shutterState":"NotSearched","shutterCountHex":null,)"
       R"("shutterCount":null,"shutterCountDecimal":null})"},
      {"edited-jfif-stops",
       Photo({.model = "NIKON D200", .serialStyle = SerialStyle::None, .jfifFirst = true}),
       "NIKON D200\n"
       "Firmware Ver.2.00\n"
       "N° de série : non précisé\n"
       "Photo modifiée, données incomplètes.\n"
       "Utilisez une photo brute\n"
       "et non retouchée...\n",
       R"("loaded":true,"modelFound":true,"modelPosition":146,"modelText":"NIKON D200",)"
       R"("firmwareFound":true,"firmwareText":"Ver.2.00","serialState":"EditedPhotoStop",)"
       R"("serialText":"","shutterState":"NotSearched","shutterCountHex":null,)"
       R"("shutterCount":null,"shutterCountDecimal":null})"},
      // A7 00 | 04 00 | 01 00 00 00 | A0 5B 00 00: an entry written least
      // significant byte first gives the same count as a big-endian one.
      {"little-endian-count", Photo({.makerNoteOrder = ByteOrder::LittleEndian}), kD70Text,
       R"("loaded":true,"modelFound":true,"modelPosition":128,"modelText":"NIKON D70",)"
       R"("firmwareFound":true,"firmwareText":"Ver.2.00","serialState":"FromNoTag",)"
       R"("serialText":"00041852","shutterState":"Found","shutterCountHex":"005ba0",)"
       R"("shutterCount":23456,"shutterCountDecimal":"23456"})"},
      {"count-absent", Photo({.shutterCount = std::nullopt}),
       "NIKON D70\n"
       "Firmware Ver.2.00\n"
       "N° de série : 00041852\n"
       "Nombre de déclenchements :\n" +
           Utf8(ReportTexts::CountAbsent()) + "\n",
       R"("loaded":true,"modelFound":true,"modelPosition":128,"modelText":"NIKON D70",)"
       R"("firmwareFound":true,"firmwareText":"Ver.2.00","serialState":"FromNoTag",)"
       R"("serialText":"00041852","shutterState":"Absent","shutterCountHex":null,)"
       R"("shutterCount":null,"shutterCountDecimal":null})"},
      {"no-model", Photo({.model = ""}),
       Utf8(ReportTexts::NoModel(0)) + "\n" + Utf8(ReportTexts::NoModel(1)) + "\n",
       R"("loaded":true,"modelFound":false,"modelPosition":null,"modelText":null,)"
       R"("firmwareFound":null,"firmwareText":null,"serialState":null,)"
       R"("serialText":null,"shutterState":null,"shutterCountHex":null,)"
       R"("shutterCount":null,"shutterCountDecimal":null})"},
      {"empty-file", "", "Fichier vide : rien n'a été lu.\n",
       R"("loaded":false,"modelFound":null,"modelPosition":null,"modelText":null,)"
       R"("firmwareFound":null,"firmwareText":null,"serialState":null,)"
       R"("serialText":null,"shutterState":null,"shutterCountHex":null,)"
       R"("shutterCount":null,"shutterCountDecimal":null})"},
  };
  return rows;
}

// The JSON line for path: its "path" key, then the rest.
std::string JsonLine(const std::string& path, const std::string& rest) {
  return R"({"path":")" + path + "\"," + rest + "\n";
}

class CliProgram : public testing::Test {
 protected:
  TempFolder folder_;
  std::string Write(const std::string& name, const std::string& bytes) {
    return folder_.Write(name, bytes);
  }
  std::string Missing() const { return (folder_.Path() / "absente.jpg").string(); }
};

TEST_F(CliProgram, TextReportOfEachOutcome) {
  for (const Row& row : Rows()) {
    SCOPED_TRACE(row.name);
    const CliRun run = RunCli({Write(std::string(row.name) + ".jpg", row.bytes)});
    EXPECT_EQ(run.out, row.text);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.exitCode, 0);
  }
}

TEST_F(CliProgram, JsonLineOfEachOutcome) {
  for (const Row& row : Rows()) {
    SCOPED_TRACE(row.name);
    const std::string path = Write(std::string(row.name) + ".jpg", row.bytes);
    const CliRun run = RunCli({"--json", path});
    EXPECT_EQ(run.out, JsonLine(path, row.json));
    EXPECT_EQ(run.exitCode, 0);
  }
}

// Windows-1252 bytes from the photo come out as their characters; the five
// bytes the code page leaves undefined as the C1 controls of the same value
// (escaped in JSON, replaced on a terminal, as are other control bytes); a
// path byte that is not UTF-8 becomes U+FFFD in JSON.
TEST_F(CliProgram, CodePageAndControlBytes) {
  const std::string path = Write("photo-\xff.jpg",
                                 Photo({.model = "NIKON D\xe9\x80", .serialStyle = SerialStyle::Pkg,
                                        .serial = "AB\x81\x1b[2J"}));
  const CliRun text = RunCli({path});
  EXPECT_EQ(text.out,
            "NIKON Dé€\n"
            "Firmware Ver.2.00\n"
            "N° de série :     PKG AB\xef\xbf\xbd\xef\xbf\xbd[2J\n"
            "Nombre de déclenchements :\n"
            "hex 005ba0 = 23456\n");
  const CliRun json = RunCli({"--json", path});
  const std::string expectedPath = (folder_.Path() / "photo-\xef\xbf\xbd.jpg").string();
  EXPECT_EQ(json.out, JsonLine(expectedPath,
                               R"("loaded":true,"modelFound":true,"modelPosition":128,)"
                               R"("modelText":"NIKON Dé€","firmwareFound":true,)"
                               R"("firmwareText":"Ver.2.00","serialState":"FromPkgTag",)"
                               R"("serialText":"    PKG AB\u0081\u001b[2J     ",)"
                               R"("shutterState":"Found","shutterCountHex":"005ba0",)"
                               R"("shutterCount":23456,"shutterCountDecimal":"23456"})"));
}

// A file that cannot be read does not stop the batch; it is named on stderr
// and turns the exit status to 1. An empty file is not a failure.
TEST_F(CliProgram, BatchGoesOnPastAFailure) {
  const std::string sample = Write("d70.jpg", Photo({}));
  const std::string empty = Write("vide.jpg", "");
  const CliRun run = RunCli({sample, Missing(), empty});
  EXPECT_EQ(run.out, "Fichier : " + sample + "\n" + kD70Text + "\n" +
                         "Fichier : " + empty + "\nFichier vide : rien n'a été lu.\n");
  EXPECT_EQ(run.err, "tarvonel6-cli : Impossible de trouver " + Missing() + ".\n");
  EXPECT_EQ(run.exitCode, 1);
}

// A long batch prints the same lines in the same order on one thread as on
// several, in both forms: reports on stdout, failures on stderr in list order.
TEST_F(CliProgram, ThreadsChangeNothingOfWhatIsPrinted) {
  std::string list;
  std::string expectedErrors;
  for (unsigned k = 0; k < 300; ++k) {
    if (k % 9 == 4) {
      const std::string missing = (folder_.Path() / ("absente-" + std::to_string(k))).string();
      list += missing + '\0';
      expectedErrors += "tarvonel6-cli : Impossible de trouver " + missing + ".\n";
    } else {
      const std::string name = "photo-" + std::to_string(k) + ".jpg";
      list += Write(name, k % 13 == 6 ? "" : Photo({.shutterCount = 500 + 3 * k})) + '\0';
    }
  }
  const std::vector<std::vector<std::string>> forms = {{"-0"}, {"-0", "--json"}};
  for (const std::vector<std::string>& form : forms) {
    SCOPED_TRACE(form.size() == 1 ? "text" : "json");
    std::vector<std::string> oneThread = form;
    oneThread.push_back("--jobs=1");
    const CliRun one = RunCli(oneThread, list);
    EXPECT_EQ(one.err, expectedErrors);
    EXPECT_EQ(one.exitCode, 1);
    for (const char* jobs : {"-j2", "-j5"}) {
      SCOPED_TRACE(jobs);
      std::vector<std::string> args = form;
      args.push_back(jobs);
      const CliRun several = RunCli(args, list);
      EXPECT_EQ(several.out, one.out);
      EXPECT_EQ(several.err, one.err);
      EXPECT_EQ(several.exitCode, 1);
    }
  }
}

TEST_F(CliProgram, NulSeparatedPathsFromStdin) {
  const std::string sample = Write("d70.jpg", Photo({}));
  const std::string empty = Write("vide.jpg", "");
  const CliRun run = RunCli({"-0", "--json"}, sample + '\0' + Missing() + '\0' + empty + '\0');
  const std::string nulls =
      R"("modelFound":null,"modelPosition":null,"modelText":null,"firmwareFound":null,)"
      R"("firmwareText":null,"serialState":null,"serialText":null,"shutterState":null,)"
      R"("shutterCountHex":null,"shutterCount":null,"shutterCountDecimal":null)";
  EXPECT_EQ(run.out, JsonLine(sample, Rows()[0].json) +
                         JsonLine(Missing(), R"("loaded":false,)" + nulls +
                                                 R"(,"error":"Impossible de trouver )" +
                                                 Missing() + ".\"}") +
                         JsonLine(empty, R"("loaded":false,)" + nulls + "}"));
  EXPECT_EQ(run.exitCode, 1);
}

TEST_F(CliProgram, ExitCodes) {
  const std::string sample = Write("d70.jpg", Photo({}));
  const std::string empty = Write("vide.jpg", "");
  const struct {
    const char* name;
    std::vector<std::string> args;
    int exitCode;
  } rows[] = {
      {"all-read", {sample, sample}, 0},
      {"empty-is-read", {empty}, 0},
      {"one-missing", {sample, Missing(), sample}, 1},
      {"folder", {folder_.Path().string()}, 1},
      {"no-file", {}, 2},
      {"unknown-option", {"--bogus", sample}, 2},
      {"bad-size", {"--render", "x.png", "--size", "12", sample}, 2},
      {"help", {"--help"}, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(RunCli(row.args).exitCode, row.exitCode);
  }
}

TEST_F(CliProgram, UsageErrorSaysWhereToLook) {
  const CliRun run = RunCli({"--bogus"});
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err,
            "tarvonel6-cli : option inconnue « --bogus »\n"
            "Essayez « tarvonel6-cli --help ».\n");
}

TEST_F(CliProgram, Version) {
  const CliRun run = RunCli({"--version"});
  EXPECT_EQ(run.out, "tarvonel6-cli 6.0.2.0\n");
  EXPECT_EQ(run.exitCode, 0);
}

TEST_F(CliProgram, RenderWritesAPngOfTheGivenSize) {
  const std::string sample = Write("d70.jpg", Photo({}));
  const struct {
    const char* name;
    std::vector<std::string> extra;
    QSize size;
  } rows[] = {
      {"given-size", {"--size", "320x200", sample}, {320, 200}},
      {"default-size-no-photo", {}, {588, 365}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string png = (folder_.Path() / (std::string(row.name) + ".png")).string();
    std::vector<std::string> args = {"--render", png};
    args.insert(args.end(), row.extra.begin(), row.extra.end());
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(QImage(QString::fromStdString(png), "PNG").size(), row.size);
  }
}

TEST_F(CliProgram, RenderOfAMissingPhotoFails) {
  const std::string png = (folder_.Path() / "none.png").string();
  const CliRun run = RunCli({"--render", png, Missing()});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "tarvonel6-cli : Impossible de trouver " + Missing() + ".\n");
  EXPECT_FALSE(std::filesystem::exists(png));
}

}  // namespace
