// Resources compiled into the program by type and number, and the copy of the animation
// template out of them.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

struct CompiledResource {
  int type;
  int id;
  std::string_view bytes;
};

// The template the SVG animation output builds on: type 23, number 315.
constexpr int kTemplateResourceType = 23;
constexpr int kTemplateResourceId = 315;

// The compiled-in resources.
std::span<const CompiledResource> CompiledResources();

// Finds the resource (type, id) in table: -1 when missing; with n < 0 its size in bytes;
// otherwise copies its first n bytes (never more than it holds, nor more than the buffer
// takes besides the closing zero) into buffer, writes a zero after them and returns 1.
int LoadResourceText(std::span<const CompiledResource> table, int type, int id, char* buffer, size_t bufferSize,
                     int n);
// The same for the animation template among the compiled-in resources.
int LoadTemplateResource(char* buffer, size_t bufferSize, int n);
