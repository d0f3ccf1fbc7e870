#include "resources/toolbars.h"

namespace tmb {
namespace {

constexpr ToolbarButton kMain[] = {
    {32817, ":/toolbar/open.png", "打开"},
    {32818, ":/toolbar/save_as.png", "另存为"},
    {32989, ":/toolbar/print.png", "打印"},
    {32988, ":/toolbar/preview.png", "打印预览"},
    {0, nullptr, nullptr},
    {32785, ":/toolbar/draw_mode.png", "书写模式"},
    {32784, ":/toolbar/edit_mode.png", "编辑模式"},
    {0, nullptr, nullptr},
    {32781, ":/toolbar/clear_all.png", "全部清除"},
    {32966, ":/toolbar/guides.png", "参考线"},
    {32987, ":/toolbar/original_line.png", "仅显示原线条"},
    {0, nullptr, nullptr},
    {33005, ":/toolbar/popup_menu.png", "菜单"},
    {32834, ":/toolbar/extra.png", ""},
    {32833, ":/toolbar/undo.png", "还原"},
    {32967, ":/toolbar/clipboard.png", "发送到剪贴板"},
    {0, nullptr, nullptr},
    {32919, ":/toolbar/centre_a.png", "书写窗口A 移动到中央"},
    {32921, ":/toolbar/centre_b.png", "书写窗口B 移动到中央"},
    {0, nullptr, nullptr},
    {32920, ":/toolbar/sheet_a.png", "设置窗口A 移动到中央"},
    {32922, ":/toolbar/sheet_b.png", "设置窗口B 移动到中央"},
    {0, nullptr, nullptr},
    {57666, ":/toolbar/help.png", "帮助"},
};

}  // namespace

std::span<const ToolbarButton> MainToolbar() { return kMain; }

}  // namespace tmb
