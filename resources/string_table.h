// The string table: message and label texts by id, in UTF-8.
#pragma once

#include <string>

namespace tmb {

// The text of id, or an empty string for an id the table does not hold.
std::string LoadStringText(int id);

}  // namespace tmb
