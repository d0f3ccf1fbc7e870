// Fixed-size, zero-terminated code page 932 text fields of records.
#pragma once

#include <cstddef>
#include <string_view>

// Copies src into the field of capacity bytes, always zero-terminated and never cutting
// a double-byte character in half; the rest of the field is cleared. Returns the bytes
// copied.
size_t CopyToCp932Field(char* field, size_t capacity, std::string_view src);

// The text of a field up to its terminator (or its capacity when it has none).
std::string_view Cp932FieldText(const char* field, size_t capacity);
