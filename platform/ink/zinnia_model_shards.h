// Splitting a handwriting model file into parts that each hold some of its characters,
// so that several recognisers can read a character at once, each against its part. The
// file is Zinnia's model: a header (a magic word mixing in the file's size, the version
// and the character count, 32 bits each), then
// per character its name (16 bytes), its bias (a float) and its weights as (index, value)
// pairs ended by index -1. A character's score does not depend on the others, so the
// best readings of all the parts together are those of the whole model.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace tmb {

// The file cut into at most parts models of about equal size, each a whole model file
// of its own; empty when the bytes are not such a model, or hold no character.
std::vector<std::vector<char>> SplitZinniaModel(std::span<const char> file, size_t parts);

}  // namespace tmb
