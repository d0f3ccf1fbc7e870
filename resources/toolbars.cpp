#include "resources/toolbars.h"

namespace tmb {
namespace {

constexpr ToolbarButton kMain[] = {
    {32817, ":/toolbar/open.png"},
    {32818, ":/toolbar/save_as.png"},
    {32989, ":/toolbar/print.png"},
    {32988, ":/toolbar/preview.png"},
    {0, nullptr},
    {32785, ":/toolbar/draw_mode.png"},
    {32784, ":/toolbar/edit_mode.png"},
    {0, nullptr},
    {32781, ":/toolbar/clear_all.png"},
    {32966, ":/toolbar/guides.png"},
    {32987, ":/toolbar/original_line.png"},
    {0, nullptr},
    {33005, ":/toolbar/popup_menu.png"},
    {32834, ":/toolbar/extra.png"},
    {32833, ":/toolbar/undo.png"},
    {32967, ":/toolbar/clipboard.png"},
    {0, nullptr},
    {32919, ":/toolbar/centre_a.png"},
    {32921, ":/toolbar/centre_b.png"},
    {0, nullptr},
    {32920, ":/toolbar/sheet_a.png"},
    {32922, ":/toolbar/sheet_b.png"},
    {0, nullptr},
    {57666, ":/toolbar/help.png"},
};

}  // namespace

std::span<const ToolbarButton> MainToolbar() { return kMain; }

}  // namespace tmb
