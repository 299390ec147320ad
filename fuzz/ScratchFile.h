#pragma once
// The one file fuzz_load writes each input to, in a folder of its own under the
// system's temporary folder, removed when the fuzzer ends.

#include <cstddef>
#include <cstdint>
#include <string>

class ScratchFile {
 public:
  ScratchFile();
  ~ScratchFile();
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  // Replaces the file's contents with the size bytes at data; aborts if the
  // file cannot be written, since every later check would be meaningless.
  void Write(const std::uint8_t* data, std::size_t size) const;

  const std::string& Path() const { return path_; }

 private:
  std::string folder_;
  std::string path_;
};

// How many descriptors the process has open right now.
std::size_t OpenDescriptorCount();
