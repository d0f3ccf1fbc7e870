// The bytes of a registration list information file: box width, height, a count, the
// 260-byte folder field and one 34-byte record per code (as many records as codes given,
// whatever the count says).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace tmb::test {

std::vector<uint8_t> ListInfoFileBytes(int width, int height, int count, const std::string& folder,
                                       std::initializer_list<int> codes);

}  // namespace tmb::test
