// Splitting a handwriting model into parts: every character lands in exactly one part,
// in order, each part a whole model of its own; a file of another layout is not split.
#include "platform/ink/zinnia_model_shards.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace tmb {
namespace {

using Bytes = std::vector<char>;

void PutU32(Bytes& out, uint32_t v) {
  // Byte by byte, low first, as the model file keeps its words.
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>(v >> (8 * i)));
}

// A character's record: its name, a bias and (index, value) pairs, ended by index -1.
Bytes Record(const std::string& name, int pairs) {
  Bytes r(16, '\0');
  std::memcpy(r.data(), name.data(), name.size());
  PutU32(r, 0);  // the bias, 0.0f
  for (int i = 0; i < pairs; ++i) {
    PutU32(r, uint32_t(i + 1));
    PutU32(r, 0x3F800000u);  // 1.0f
  }
  PutU32(r, 0xFFFFFFFFu);
  PutU32(r, 0);
  return r;
}

// A model file: its magic word (its size mixed with the format's key), version and count.
Bytes Model(const std::vector<Bytes>& records, uint32_t count) {
  Bytes m;
  PutU32(m, 0);
  PutU32(m, 1);
  PutU32(m, count);
  for (const Bytes& r : records) m.insert(m.end(), r.begin(), r.end());
  const uint32_t magic = uint32_t(m.size()) ^ 0x0EF71821u;
  std::memcpy(m.data(), &magic, 4);
  return m;
}

TEST(ZinniaModelShards, EveryCharacterIsInOnePartInOrderAndEachPartIsAModel) {
  std::vector<Bytes> records;
  for (int i = 0; i < 7; ++i) records.push_back(Record(std::string(1, char('a' + i)), 3 + 5 * i));
  const Bytes model = Model(records, 7);
  for (size_t parts : {size_t(1), size_t(2), size_t(3), size_t(7), size_t(20)}) {
    SCOPED_TRACE(parts);
    const std::vector<Bytes> split = SplitZinniaModel(model, parts);
    ASSERT_GE(split.size(), parts == 1 ? 1u : 2u);
    ASSERT_LE(split.size(), parts);
    Bytes joined(model.begin(), model.begin() + 12);
    uint32_t total = 0;
    for (const Bytes& part : split) {
      // Each part is a model: its own count over exactly its records.
      const std::vector<Bytes> again = SplitZinniaModel(part, 1);
      ASSERT_EQ(again.size(), 1u);
      EXPECT_EQ(again[0], part);
      uint32_t count;
      std::memcpy(&count, part.data() + 8, 4);
      EXPECT_GT(count, 0u);
      total += count;
      joined.insert(joined.end(), part.begin() + 12, part.end());
    }
    EXPECT_EQ(total, 7u);
    EXPECT_EQ(joined, model) << "the records, in their order";
  }
}

TEST(ZinniaModelShards, AFileOfAnotherLayoutIsNotSplit) {
  const std::vector<Bytes> records = {Record("a", 2), Record("b", 4)};
  Bytes wrongMagic = Model(records, 2);
  wrongMagic[0] ^= 1;
  Bytes cut = Model(records, 2);
  cut.resize(cut.size() - 5);
  Bytes trailing = Model(records, 2);
  trailing.push_back(0);
  // Cut or grown with a magic word that still fits its size: the records say it.
  auto refit = [](Bytes& m) {
    const uint32_t magic = uint32_t(m.size()) ^ 0x0EF71821u;
    std::memcpy(m.data(), &magic, 4);
  };
  Bytes cutRefitted = cut;
  refit(cutRefitted);
  Bytes trailingRefitted = trailing;
  refit(trailingRefitted);
  const struct {
    const char* what;
    Bytes bytes;
  } cases[] = {
      {"empty", {}},
      {"only a header", Model({}, 0)},
      {"wrong magic", wrongMagic},
      {"cut short", cut},
      {"a record cut short", cutRefitted},
      {"more characters counted than held", Model(records, 3)},
      {"fewer characters counted than held", Model(records, 1)},
      {"a byte more", trailing},
      {"bytes after the last record", trailingRefitted},
  };
  for (const auto& c : cases) EXPECT_TRUE(SplitZinniaModel(c.bytes, 4).empty()) << c.what;
  EXPECT_TRUE(SplitZinniaModel(Model(records, 2), 0).empty()) << "no parts";
}

}  // namespace
}  // namespace tmb
