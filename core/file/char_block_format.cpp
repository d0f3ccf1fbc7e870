#include "core/file/char_block_format.h"

#include <array>
#include <string_view>

#include "core/state/draw_state.h"
#include "platform/file/binary_file.h"
#include "platform/service/messages.h"

namespace {

struct MagicEntry {
  const char* text;
  int kind;
};

constexpr MagicEntry kMagics[] = {
    {"TMB DATA FILE   0.5", 0},   {"TAMBERI DATA FILE 1.0", 1},  {"TAMBERI DATA FILE", 10},
    {"TAMBERI DATA FILE 2.0", 2}, {"TAMBERI DATA FILE 2.1", 21}, {"TAMBERI DATA FILE 2.2", 22},
    {"TAMBERI DATA FILE 3.0", 30}, {"TAMBERI DATA FILE 4.0", 40},
};

// The kind of an accepted magic (compared up to its first NUL), or -1.
int BlockMagicKind(std::string_view magic) {
  magic = magic.substr(0, magic.find('\0'));
  for (const MagicEntry& e : kMagics) {
    if (magic == e.text) return e.kind;
  }
  return -1;
}

int RejectMagic() {
  tmb::Beep();
  tmb::ShowMessage(62051);
  return -1;
}

}  // namespace

std::vector<std::string_view> AcceptedBlockMagics() {
  std::vector<std::string_view> magics;
  for (const MagicEntry& e : kMagics) magics.emplace_back(e.text);
  return magics;
}

int ReportDamagedBlock() {
  tmb::Beep();
  tmb::ShowMessage(kMsgDamagedBlock);
  return -1;
}

int ReadBlockHead(tmb::BinaryFile& file, CharBlockHeader& header) {
  const int64_t size = file.Size();
  if (size >= 0 && file.Tell() >= size) return 0;
  std::array<char, kBlockMagicSize> magic{};
  if (!file.Read(magic.data(), magic.size())) return RejectMagic();
  const int kind = BlockMagicKind(std::string_view(magic.data(), magic.size()));
  int8_t major = 0, minor = 0;
  uint8_t r1 = 0, r2 = 0, r3 = 0, r4 = 0;
  uint16_t first = 0;
  // The version is read before the magic is judged, as the header is laid out.
  if (!file.Read(&major, 1) || !file.Read(&minor, 1)) return RejectMagic();
  gDrawState.m_nDataVersion = major * 100 + minor;
  if (kind < 0) return RejectMagic();
  if (!file.ReadU8(r1) || !file.ReadU8(r2) || !file.ReadU8(r3) || !file.ReadU8(r4) || !file.ReadU16(first)) {
    return ReportDamagedBlock();
  }
  header.kind = kind;
  header.version = major * 100 + minor;
  header.revision1 = r1;
  header.revision2 = r2;
  header.revision4 = r4;
  header.firstPart = first != 0 ? 1 : 0;
  return 1;
}

int ProbeCharBlock(tmb::BinaryFile& file, int* firstPart) {
  CharBlockHeader header;
  if (ReadBlockHead(file, header) != 1) return -1;
  if (firstPart) *firstPart = header.firstPart;
  return header.version < 300 ? 0 : 1;
}
