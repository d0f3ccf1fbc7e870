#include "views/view_mouse_dialogs.h"

std::vector<tmb::ui::Binding> CDlg197::Bindings() {
  using namespace tmb::ui;
  return {
      Label(0, "文字リストの読込元を選んでください（OK：クリップボードから）"),
      ActionButton(135, kAction135, "テキストファイルから..."),
  };
}

std::vector<tmb::ui::Binding> CDlg198::Bindings() {
  using namespace tmb::ui;
  return {
      CheckBox(176, &m_bCheck176, "文字データファイル(.wdf)も保存する"),
      TextEdit(102, &m_strText, "画像フォルダ"),
      CheckBox(188, &m_bCheck188, "文字コードをファイル名にする"),
      UnsignedEdit(103, &m_nValue, kMinValue, kMaxValue, "画像ボックスの大きさ（ピクセル）"),
      RadioGroup(132, &m_nRadio132, {"上書きする", "番号を付けて追加する"}, "同じ文字の画像"),
      RadioGroup(137, &m_nRadio137, {"書込済みの文字は飛ばす", "全ての文字を順に書く"}, "次へ"),
      CheckBox(189, &m_bCheck189, "画像ボックスを表示する"),
      ActionButton(135, kAction135, "フォルダの参照..."),
      ActionButton(140, kAction140, "閉じる"),
  };
}

std::vector<tmb::ui::Binding> CDlg201::Bindings() {
  return {tmb::ui::TextEdit(102, &m_strText, "登録する文字（10文字まで）")};
}
