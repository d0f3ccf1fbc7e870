#include "platform/ink/zinnia_model_shards.h"

#include <cstdint>
#include <cstring>

namespace tmb {
namespace {

// The first word of a model is its size in bytes mixed with this key.
constexpr uint32_t kModelKey = 0x0EF71821u;
constexpr size_t kHeaderBytes = 12;
constexpr size_t kNameBytes = 16;
constexpr size_t kPairBytes = 8;

uint32_t LoadU32(const char* p) {
  uint32_t v;
  std::memcpy(&v, p, sizeof v);  // the model is little-endian, as this machine
  return v;
}

// Where each character's record starts, and the end of the last; empty when a record
// runs past the file or the count disagrees with it.
std::vector<size_t> RecordStarts(std::span<const char> file) {
  if (file.size() < kHeaderBytes || (LoadU32(file.data()) ^ uint32_t(file.size())) != kModelKey) return {};
  const uint32_t count = LoadU32(file.data() + 8);
  std::vector<size_t> starts;
  size_t pos = kHeaderBytes;
  for (uint32_t i = 0; i < count; ++i) {
    starts.push_back(pos);
    pos += kNameBytes + 4;
    for (;;) {
      if (pos + kPairBytes > file.size()) return {};
      const int32_t index = int32_t(LoadU32(file.data() + pos));
      pos += kPairBytes;
      if (index == -1) break;
    }
  }
  if (pos != file.size()) return {};
  starts.push_back(pos);
  return starts;
}

}  // namespace

std::vector<std::vector<char>> SplitZinniaModel(std::span<const char> file, size_t parts) {
  const std::vector<size_t> starts = RecordStarts(file);
  if (starts.size() < 2 || parts == 0) return {};
  const size_t characters = starts.size() - 1;
  if (parts > characters) parts = characters;
  const size_t body = file.size() - kHeaderBytes;
  std::vector<std::vector<char>> out;
  size_t first = 0;
  for (size_t part = 0; part < parts; ++part) {
    // The part ends at the first record past its share of the bytes; the last takes the rest.
    const size_t goal = kHeaderBytes + body * (part + 1) / parts;
    size_t last = part + 1 == parts ? characters : first + 1;
    while (last < characters && starts[last] < goal) ++last;
    std::vector<char> model(file.begin(), file.begin() + kHeaderBytes);
    const uint32_t count = uint32_t(last - first);
    std::memcpy(model.data() + 8, &count, sizeof count);
    model.insert(model.end(), file.begin() + ptrdiff_t(starts[first]), file.begin() + ptrdiff_t(starts[last]));
    const uint32_t magic = uint32_t(model.size()) ^ kModelKey;
    std::memcpy(model.data(), &magic, sizeof magic);
    out.push_back(std::move(model));
    first = last;
    if (first == characters) break;
  }
  return out;
}

}  // namespace tmb
