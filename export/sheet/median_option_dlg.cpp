#include "export/sheet/median_option_dlg.h"

#include "platform/ui/radio_choice.h"

namespace {

// The template gives the value edits' spins no ids: they take their own, past the ids
// the radio sets' further buttons take.
constexpr int kSpinOfEdit = 2 * tmb::ui::kSecondButton;

struct MedianRow {
  MedianBar bar;
  const char* name;
  int edit;
  int max;
  int radio;
};

constexpr MedianRow kRows[] = {
    {kMedianVein, "筆脈", 603, 200, 602},  {kMedianLinking, "連綿", 368, 200, 369},
    {kMedianWidth, "太さ", 370, 200, 371}, {kMedianBlur, "掠れ", 372, 200, 373},
    {kMedianFlow, "流れ", 374, 500, 375},  {kMedianModulation, "抑揚", 376, 200, 377},
};

}  // namespace

std::vector<tmb::ui::Binding> CMedianOptionDlg::Bindings() {
  using namespace tmb::ui;
  std::vector<Binding> lines;
  for (const MedianRow& row : kRows) {
    const auto bar = size_t(row.bar);
    lines.push_back(RadioChoice(row.radio, &m_values.m_mode[bar], {"順次", "指定中央値"}, row.name));
    lines.push_back(SignedEdit(row.edit, &m_values.m_value[bar], 0, row.max, "中央値"));
    lines.push_back(SpinButton(row.edit + kSpinOfEdit, row.edit, 0, row.max));
  }
  return lines;
}
