#include "TiffDirectory.h"

namespace {

constexpr std::uint16_t kAscii = 2;
constexpr std::uint16_t kShort = 3;
constexpr std::uint16_t kLong = 4;
constexpr std::uint16_t kRational = 5;
constexpr std::uint16_t kUndefined = 7;

// Out-of-line values start on even offsets.
std::size_t Padded(std::size_t n) { return n + (n & 1); }

}  // namespace

std::string TiffHeader(ByteOrder order, std::uint32_t firstIfdOffset) {
  std::string out = order == ByteOrder::BigEndian ? "MM" : "II";
  AppendUnsigned(out, 42, 2, order);
  AppendUnsigned(out, firstIfdOffset, 4, order);
  return out;
}

void AppendUnsigned(std::string& out, std::uint32_t value, int size, ByteOrder order) {
  for (int i = 0; i < size; ++i) {
    const int shift = order == ByteOrder::BigEndian ? 8 * (size - 1 - i) : 8 * i;
    out += static_cast<char>((value >> shift) & 0xFF);
  }
}

void TiffDirectory::Add(std::uint16_t tag, std::uint16_t type, std::uint32_t count,
                        std::string value) {
  entries_.push_back({tag, type, count, std::move(value)});
}

void TiffDirectory::AddAscii(std::uint16_t tag, std::string_view text) {
  std::string value(text);
  value += '\0';
  const auto count = static_cast<std::uint32_t>(value.size());
  Add(tag, kAscii, count, std::move(value));
}

void TiffDirectory::AddUndefined(std::uint16_t tag, std::string_view bytes) {
  Add(tag, kUndefined, static_cast<std::uint32_t>(bytes.size()), std::string(bytes));
}

void TiffDirectory::AddShort(std::uint16_t tag, std::uint16_t value) {
  std::string bytes;
  AppendUnsigned(bytes, value, 2, order_);
  Add(tag, kShort, 1, std::move(bytes));
}

void TiffDirectory::AddLong(std::uint16_t tag, std::uint32_t value) {
  std::string bytes;
  AppendUnsigned(bytes, value, 4, order_);
  Add(tag, kLong, 1, std::move(bytes));
}

void TiffDirectory::AddRational(std::uint16_t tag, std::uint32_t numerator,
                                std::uint32_t denominator) {
  std::string bytes;
  AppendUnsigned(bytes, numerator, 4, order_);
  AppendUnsigned(bytes, denominator, 4, order_);
  Add(tag, kRational, 1, std::move(bytes));
}

std::size_t TiffDirectory::Size() const {
  std::size_t size = DirectorySize();
  for (const Entry& e : entries_)
    if (e.value.size() > 4) size += Padded(e.value.size());
  return size;
}

std::string TiffDirectory::Serialise(std::uint32_t offset) const {
  std::string directory;
  std::string values;
  const std::size_t valuesStart = offset + DirectorySize();
  AppendUnsigned(directory, static_cast<std::uint32_t>(entries_.size()), 2, order_);
  for (const Entry& e : entries_) {
    AppendUnsigned(directory, e.tag, 2, order_);
    AppendUnsigned(directory, e.type, 2, order_);
    AppendUnsigned(directory, e.count, 4, order_);
    if (e.value.size() <= 4) {
      // Short values sit in the entry itself, left-justified.
      directory += e.value;
      directory.append(4 - e.value.size(), '\0');
    } else {
      AppendUnsigned(directory, static_cast<std::uint32_t>(valuesStart + values.size()), 4, order_);
      values += e.value;
      values.append(Padded(e.value.size()) - e.value.size(), '\0');
    }
  }
  AppendUnsigned(directory, 0, 4, order_);  // no next directory
  return directory + values;
}
