// How the command line is read: switches after "-" or "/", the file name, and
// what the program is asked to do.

#include "framework/CCommandLineInfo.h"
#include "framework/CWinApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(CommandLineTest, ArgumentsBecomeAShellCommandAndAFileName) {
  using Info = CCommandLineInfo;
  struct Row {
    const char* name;
    std::vector<std::string> arguments;
    Info::ShellCommand command;
    std::string fileName;
  };
  const Row rows[] = {
      {"nothing", {}, Info::FileNew, ""},
      {"a file", {"photo.jpg"}, Info::FileOpen, "photo.jpg"},
      {"an absolute path is a file, not a switch", {"/home/me/photo.jpg"}, Info::FileOpen,
       "/home/me/photo.jpg"},
      {"a file at the root named like no switch", {"/photo.jpg"}, Info::FileOpen, "/photo.jpg"},
      {"quotes are left to the open sequence", {"\"a b.jpg\""}, Info::FileOpen, "\"a b.jpg\""},
      {"the first file wins", {"a.jpg", "b.jpg"}, Info::FileOpen, "a.jpg"},
      {"an empty argument is no file", {"", "b.jpg"}, Info::FileOpen, "b.jpg"},
      {"unknown switches are ignored", {"-x", "--help", "-Embedding", "/Automation", "/dde"},
       Info::FileNew, ""},
      {"Unregister after a dash", {"-Unregister"}, Info::AppUnregister, ""},
      {"Unregserver after a slash in capitals", {"/UNREGSERVER"}, Info::AppUnregister, ""},
      {"unregister in lower case beside a file", {"photo.jpg", "/unregister"}, Info::AppUnregister,
       "photo.jpg"},
      {"p with a file", {"/p", "photo.jpg"}, Info::FilePrint, "photo.jpg"},
      {"pt with a file, printer, driver and port", {"-pt", "photo.jpg", "lp", "drv", "port"},
       Info::FilePrintTo, "photo.jpg"},
      {"p without a file is ignored", {"-p"}, Info::FileNew, ""},
      {"P in capitals is not p", {"-P", "photo.jpg"}, Info::FileOpen, "photo.jpg"},
      {"the last request wins", {"-Unregister", "-p", "photo.jpg"}, Info::FilePrint, "photo.jpg"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CWinApp app("Tarvonel6");
    app.SetCommandLine(row.arguments);
    CCommandLineInfo info;
    app.ParseCommandLine(info);
    EXPECT_EQ(info.m_nShellCommand, row.command);
    EXPECT_EQ(info.m_strFileName, row.fileName);
  }
}

}  // namespace
