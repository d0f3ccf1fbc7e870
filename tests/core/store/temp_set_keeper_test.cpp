#include "core/store/temp_set_keeper.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/store/char_store.h"
#include "core/store/held_strokes.h"
#include "support/file_bytes.h"
#include "support/read_only_folder.h"
#include "support/store_folder.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

const char* const kSetFiles[] = {"fontdata_tmp2.idx", "fontdata_tmp2.dat", "picdata_tmp2.idx", "picdata_tmp2.dat"};

class TempSetKeeperTest : public ::testing::Test {
 protected:
  // Each file of set 2: whether it exists, and its bytes.
  std::vector<std::pair<bool, Bytes>> Files() const {
    std::vector<std::pair<bool, Bytes>> out;
    for (const char* name : kSetFiles) {
      const fs::path path = folder_ / name;
      out.emplace_back(fs::exists(path), fs::exists(path) ? tmb::test::FileBytes(path) : Bytes());
    }
    return out;
  }
  // What a refill does to the set: deletes its files and writes new ones.
  void Refill() {
    CharStore().RemoveTempFiles(2);
    for (const char* name : kSetFiles) tmb::test::WriteFileBytes(folder_ / name, Bytes{9, 9, 9});
  }
  size_t Kept() const {
    size_t n = 0;
    for (const fs::directory_entry& e : fs::directory_iterator(folder_.path())) n += e.path().extension() == ".kept";
    return n;
  }

  tmb::test::ScopedStoreFolder folder_;
};

// Only the font files exist: after a refill, rolling back gives them back to the byte and
// leaves the picture files absent, as they were.
TEST_F(TempSetKeeperTest, ALoadThatIsNotCommittedPutsTheSetBackAsItWas) {
  tmb::test::WriteFileBytes(folder_ / kSetFiles[0], Bytes{1, 2, 3});
  tmb::test::WriteFileBytes(folder_ / kSetFiles[1], Bytes{4, 5});
  const auto before = Files();
  for (bool refilled : {false, true}) {
    SCOPED_TRACE(refilled);
    {
      TempSetKeeper keeper(2);
      ASSERT_FALSE(IsHoldOnly(2)) << "the set is kept aside";
      if (refilled) Refill();
    }
    EXPECT_EQ(Files(), before);
    EXPECT_EQ(Kept(), 0u);
  }
}

TEST_F(TempSetKeeperTest, ACommittedLoadKeepsTheNewSetAndDropsTheOldOne) {
  tmb::test::WriteFileBytes(folder_ / kSetFiles[2], Bytes{1, 2, 3});
  tmb::test::WriteFileBytes(folder_ / (std::string(kSetFiles[3]) + ".kept"), Bytes{7});  // left by a crash
  {
    TempSetKeeper keeper(2);
    ASSERT_FALSE(IsHoldOnly(2)) << "the set is kept aside";
    Refill();
    keeper.Commit();
  }
  for (const auto& [exists, bytes] : Files()) EXPECT_EQ(bytes, (Bytes{9, 9, 9}));
  EXPECT_EQ(Kept(), 0u);
  {
    // A keeper of no set keeps nothing aside and makes no set hold-only.
    TempSetKeeper none(0);
    EXPECT_EQ(Kept(), 0u);
    EXPECT_FALSE(IsHoldOnly(1));
    EXPECT_FALSE(IsHoldOnly(2));
  }
}

// A folder that takes no copy keeps nothing aside: the load then leaves the set's files
// alone and holds the file's strokes in memory, which stay when the window takes the file
// and give way to what the set held before when it does not.
TEST_F(TempSetKeeperTest, ASetThatCannotBeKeptAsideIsLeftAloneAndTheLoadHoldsInMemory) {
  tmb::test::WriteFileBytes(folder_ / kSetFiles[0], Bytes{1, 2, 3});
  const auto before = Files();
  const HeldCharacters earlier = std::make_shared<std::vector<HeldCharacter>>();
  for (bool committed : {false, true}) {
    SCOPED_TRACE(committed);
    HoldCharacters(2, earlier);
    const HeldCharacters loaded = std::make_shared<std::vector<HeldCharacter>>(1);
    {
      tmb::test::ReadOnlyFolder readOnly(folder_.path());
      if (!readOnly.refusing()) GTEST_SKIP() << "the store folder cannot be made read-only here";
      TempSetKeeper keeper(2);
      EXPECT_TRUE(IsHoldOnly(2)) << "the set is not kept aside";
      EXPECT_FALSE(IsHoldOnly(1));
      HoldCharacters(2, loaded);  // what the refill holds
      EXPECT_TRUE(keeper.RefillHeld());
      if (committed) keeper.Commit();
    }
    EXPECT_FALSE(IsHoldOnly(2));
    EXPECT_EQ(HeldCharactersOfSet(2), committed ? loaded : earlier);
    EXPECT_EQ(Files(), before);
    EXPECT_EQ(Kept(), 0u);
  }
  ReleaseHeldCharacters();
}

}  // namespace
