#include "resources/style_commands.h"

namespace tmb {
namespace {

constexpr StyleCommand kStyles[] = {
    {33137, 0},   // 旧型
    {33138, 1},   // 無変換
    {33136, 2},   // 標準 (list generation)
    {33159, 3},   // 書家 (list generation)
    {33142, 4},   // 行書・標準
    {33143, 5},   // 行書・細字
    {33144, 6},   // 草書
    {33148, 7},   // かな
    {33149, 8},   // かな連綿
    {33150, 9},   // 楷書
    {33152, 11},  // the calligraphers' styles
    {33153, 12},
    {33155, 13},
    {33156, 14},
    {33157, 15},  // 明末連綿草
    {33158, 16},
    {33161, 17},
    {33167, 18},
    {33168, 19},
    {33170, 20},
    {33171, 21},
    {33173, 22},
};

}  // namespace

std::span<const StyleCommand> StyleCommands() { return kStyles; }

int StyleOfCommand(int id) {
  for (const StyleCommand& s : kStyles) {
    if (s.id == id) return s.style;
  }
  return -1;
}

}  // namespace tmb
