#pragma once
// Writes one TIFF image file directory (IFD) with its out-of-line values, in
// either byte order, the way a camera lays out its metadata:
//
//   count (2) | entry 1 (12) | ... | entry n (12) | next IFD (4) | values...
//   entry:  tag (2) | type (2) | count (4) | value or offset (4)
//
// Values of more than four bytes follow the directory in entry order, each
// starting on an even offset. Offsets are relative to the TIFF header.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class ByteOrder { BigEndian, LittleEndian };

// The 8-byte TIFF header ("MM\0*" or "II*\0") pointing at the first IFD.
std::string TiffHeader(ByteOrder order, std::uint32_t firstIfdOffset = 8);

// Appends an unsigned value of `size` bytes (2 or 4) in the given order.
void AppendUnsigned(std::string& out, std::uint32_t value, int size, ByteOrder order);

class TiffDirectory {
 public:
  explicit TiffDirectory(ByteOrder order) : order_(order) {}

  // Entries must be added in increasing tag order, as readers expect.
  void AddAscii(std::uint16_t tag, std::string_view text);  // a zero byte is added
  void AddUndefined(std::uint16_t tag, std::string_view bytes);
  void AddShort(std::uint16_t tag, std::uint16_t value);
  void AddLong(std::uint16_t tag, std::uint32_t value);
  void AddRational(std::uint16_t tag, std::uint32_t numerator, std::uint32_t denominator);

  // Bytes that Serialise will write: the directory and its values.
  std::size_t Size() const;

  // The directory and its values, for a directory that starts at `offset`.
  std::string Serialise(std::uint32_t offset) const;

 private:
  struct Entry {
    std::uint16_t tag;
    std::uint16_t type;
    std::uint32_t count;
    std::string value;  // already in the directory's byte order
  };

  void Add(std::uint16_t tag, std::uint16_t type, std::uint32_t count, std::string value);
  std::size_t DirectorySize() const { return 2 + 12 * entries_.size() + 4; }

  ByteOrder order_;
  std::vector<Entry> entries_;
};
