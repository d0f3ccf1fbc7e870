#include "core/file/template_resource.h"

#include <algorithm>
#include <cstring>

#include "resources/svg_template.h"

std::span<const CompiledResource> CompiledResources() {
  static const CompiledResource kResources[] = {
      {kTemplateResourceType, kTemplateResourceId, tmb::kSvgAnimationTemplate},
  };
  return kResources;
}

int LoadResourceText(std::span<const CompiledResource> table, int type, int id, char* buffer, size_t bufferSize,
                     int n) {
  const auto found =
      std::find_if(table.begin(), table.end(), [&](const CompiledResource& r) { return r.type == type && r.id == id; });
  if (found == table.end()) return -1;
  if (n < 0) return int(found->bytes.size());
  if (!buffer || bufferSize == 0) return -1;
  const size_t count = std::min({size_t(n), found->bytes.size(), bufferSize - 1});
  std::memcpy(buffer, found->bytes.data(), count);
  buffer[count] = 0;
  return 1;
}

int LoadTemplateResource(char* buffer, size_t bufferSize, int n) {
  return LoadResourceText(CompiledResources(), kTemplateResourceType, kTemplateResourceId, buffer, bufferSize, n);
}
