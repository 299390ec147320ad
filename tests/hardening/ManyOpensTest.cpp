// A long session: 10,000 files opened one after another into the one document
// the window keeps, each capture analysed as the view's paint would. Open
// descriptors and resident memory stay where they were after the first opens.

#include "analysis/AnalyseCapture.h"
#include "document/CTarvonel6Doc.h"
#include "document/CaptureState.h"
#include "framework/OpenSequence.h"
#include "tests/framework/TestFiles.h"
#include "tools/SamplePhoto.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace {

using testfiles::OpenDescriptorCount;
using testfiles::TempFolder;

#if __has_include(<valgrind/valgrind.h>)
#include <valgrind/valgrind.h>
#endif

// Under AddressSanitizer freed memory is held back on purpose (its quarantine),
// and under valgrind the tool's own memory counts as the process's, so there
// resident memory says nothing of ours; their leak checkers, which run when
// the test ends, take the memory bound's place.
bool MemoryIsMeasurable() {
#if defined(__SANITIZE_ADDRESS__)
  return false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
  return false;
#endif
#endif
#ifdef RUNNING_ON_VALGRIND
  if (RUNNING_ON_VALGRIND) return false;
#endif
  return true;
}

// Resident memory of this process in bytes: the second field of statm, in pages.
long ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  long sizePages = 0;
  long residentPages = 0;
  statm >> sizePages >> residentPages;
  return residentPages * ::sysconf(_SC_PAGESIZE);
}

std::string Write(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  return path;
}

// A file of the session, and whether the open sequence takes it.
struct SessionFile {
  std::string path;
  bool opens;
};

// Files that take each way through the open sequence: photos that load, one
// larger than what is read, an empty file, and three that are refused.
std::vector<SessionFile> SessionFiles(const TempFolder& folder) {
  SamplePhotoOptions pkg;
  pkg.model = "NIKON D2X";
  pkg.serialStyle = SerialStyle::Pkg;
  std::filesystem::create_directory(folder / "folder.jpg");
  return {
      {Write(folder / "d70.jpg", MakeSamplePhoto(SamplePhotoOptions{})), true},
      {folder / "missing.jpg", false},
      {Write(folder / "d2x.jpg", MakeSamplePhoto(pkg)), true},
      {Write(folder / "large.jpg", MakeSamplePhoto(pkg) + std::string(1 << 20, '\x55')), true},
      {folder / "folder.jpg", false},
      {Write(folder / "empty.jpg", ""), true},
      {"/dev/zero", false},
  };
}

TEST(ManyOpens, TenThousandOpensKeepDescriptorsAndMemoryFlat) {
  const TempFolder folder;
  const std::vector<SessionFile> files = SessionFiles(folder);
  const MessageHandler previous = SetMessageHandler([](std::string_view, MessageIcon) {});
  CTarvonel6Doc document;
  int wrongOutcomes = 0;
  // Consecutive files differ, so every open reads its file again.
  const auto openFiles = [&](int count) {
    for (int i = 0; i < count; ++i) {
      const SessionFile& file = files[static_cast<std::size_t>(i) % files.size()];
      if (OpenDocumentFile(document, file.path) != file.opens) ++wrongOutcomes;
      const PhotoReport report = AnalyseCapture(captureState.captureBuffer);
      ASSERT_TRUE(report.modelFound);
    }
  };
  // The first opens make what lives for the whole run (the locale, the
  // message texts); they are left out of the measure.
  openFiles(static_cast<int>(files.size()) * 20);
  const std::size_t descriptors = OpenDescriptorCount();
  const long resident = ResidentBytes();

  openFiles(10'000);

  SetMessageHandler(previous);
  EXPECT_EQ(wrongOutcomes, 0);
  EXPECT_EQ(OpenDescriptorCount(), descriptors);
  if (MemoryIsMeasurable()) {
    EXPECT_LE(ResidentBytes() - resident, 256 * 1024) << "resident memory grew";
  }
}

}  // namespace
