// The tarvonel6 program run as a process: without a display it says so in one
// line and ends; with one, it opens the photo, paints, and writes its settings
// at exit.

#include "tools/SamplePhoto.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

struct ProgramRun {
  int exitStatus = -1;
  QString standardError;
};

// Runs the program with arguments and exactly the environment variables given
// (besides XDG_CONFIG_HOME), for at most 20 seconds.
ProgramRun RunProgram(const QStringList& arguments, const QStringList& environment,
               const QString& configHome) {
  QProcessEnvironment env;
  env.insert("XDG_CONFIG_HOME", configHome);
  env.insert("XDG_RUNTIME_DIR", configHome);
  for (const QString& variable : environment) {
    env.insert(variable.section('=', 0, 0), variable.section('=', 1));
  }
  QProcess process;
  process.setProcessEnvironment(env);
  process.start(TARVONEL6_EXECUTABLE, arguments);
  if (!process.waitForFinished(20000)) {
    process.kill();
    process.waitForFinished();
    return {};
  }
  if (process.exitStatus() != QProcess::NormalExit) return {};
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

TEST(ExecutableTest, WithoutADisplayItSaysSoInOneLineAndEnds) {
  struct Row {
    const char* name;
    QStringList environment;
    const char* mentions;
  };
  const Row rows[] = {
      {"no display variable at all", {}, "aucun écran disponible"},
      {"a display that does not answer", {"DISPLAY=:987"}, "impossible d'ouvrir l'écran « :987 »"},
  };
  QTemporaryDir configHome;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const ProgramRun run = RunProgram({"photo.jpg"}, row.environment, configHome.path());
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_EQ(run.standardError.count('\n'), 1) << run.standardError.toStdString();
    EXPECT_TRUE(run.standardError.contains(QString::fromUtf8(row.mentions)));
    EXPECT_TRUE(run.standardError.contains("tarvonel6-cli"));
  }
}

TEST(ExecutableTest, OpensThePhotoPaintsAndWritesItsPathAtExit) {
  QTemporaryDir configHome, photos;
  const std::string photo =
      (std::filesystem::canonical(photos.path().toStdString()) / "d70.jpg").string();
  std::ofstream(photo, std::ios::binary) << MakeSamplePhoto(SamplePhotoOptions{});

  const ProgramRun run = RunProgram({QString::fromStdString(photo)},
                             {"QT_QPA_PLATFORM=offscreen", "TARVONEL6_QUIT_AFTER_FIRST_PAINT=1"},
                             configHome.path());
  EXPECT_EQ(run.exitStatus, 0) << run.standardError.toStdString();
  QSettings settings(configHome.path() + "/Local AppWizard-Generated Applications/Tarvonel6.conf",
                     QSettings::IniFormat);
  EXPECT_EQ(settings.value("Recent File List/File1").toString().toStdString(), photo);
}

}  // namespace
