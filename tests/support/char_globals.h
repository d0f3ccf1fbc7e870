// A fixture for tests of character records: the drawing state and the six character
// slots start fresh, and messages are recorded instead of shown.
#pragma once

#include <gtest/gtest.h>

#include "support/scripted_messages.h"

namespace tmb::test {

class CharGlobalsTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  ScriptedMessages messages;
};

}  // namespace tmb::test
