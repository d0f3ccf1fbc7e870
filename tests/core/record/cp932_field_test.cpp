#include "core/record/cp932_field.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Cp932Field, CopiesWholeCharactersAndStaysTerminated) {
  struct Case {
    std::string src;
    size_t capacity;
    std::string expected;
  } cases[] = {
      {"", 4, ""},
      {"abc", 4, "abc"},
      {"abcd", 4, "abc"},                              // room for the terminator
      {"a\x82\xa0", 4, "a\x82\xa0"},                   // a double-byte character fits
      {"ab\x82\xa0", 4, "ab"},                         // ... or is left out whole
      {std::string("a\x82\0b", 4), 8, "a"},            // a lead byte before the end
      {"a\x82", 8, "a"},                               // a lead byte at the very end
      {"xyz", 1, ""},
  };
  for (const Case& c : cases) {
    char field[8];
    std::fill(std::begin(field), std::end(field), 'Z');
    size_t n = CopyToCp932Field(field, c.capacity, c.src);
    EXPECT_EQ(n, c.expected.size()) << c.src;
    EXPECT_EQ(Cp932FieldText(field, c.capacity), c.expected) << c.src;
    for (size_t i = n; i < c.capacity; ++i) EXPECT_EQ(field[i], '\0') << c.src << " byte " << i;
    for (size_t i = c.capacity; i < sizeof field; ++i) EXPECT_EQ(field[i], 'Z') << "written past the field";
  }
}

TEST(Cp932Field, TextOfAFieldWithoutTerminatorEndsAtItsCapacity) {
  const char field[4] = {'a', 'b', 'c', 'd'};
  EXPECT_EQ(Cp932FieldText(field, 4), "abcd");
}

}  // namespace
