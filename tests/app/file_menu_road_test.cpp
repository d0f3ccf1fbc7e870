// The File menu as a user works it: character files of every age opened and shown,
// pictures exported under the name and type the user chose, the one-touch conversion and
// printing with what the print settings name.
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QTimer>
#include <filesystem>
#include <vector>

#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "app/tmb_document.h"
#include "brush/render/brush_state.h"
#include "imageedit/view/bmp_view_window.h"
#include "platform/ui/file_chooser_dialogs.h"
#include "support/checking_tool.h"
#include "support/file_bytes.h"
#include "support/picture_files.h"
#include "support/recorded_character.h"
#include "support/recorded_character_file.h"
#include "support/temp_dir.h"
#include "support/ui/menu_path.h"
#include "views/tmb_view.h"

namespace tmb::test {
namespace {

// The dark pixels of s within r (pixels outside s do not count).
int CountInk(const Surface& s, const Rect& r) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      const Colour c = s.GetPixel(x, y);
      n += c != kInvalidColour && RedOf(c) < 128;
    }
  }
  return n;
}

// A character of data version 1.50, from the time of the 1,000 x 1,500 paper: 13 strokes
// (a grid of six rows and seven columns in the paper's right half, where the top-right
// anchoring finds them), with the brush values that read as today's standard ones.
WdfBlock OldCharacter() {
  WdfBlock b;
  b.magic = "TAMBERI DATA FILE 1.0";
  b.major = 1;
  b.minor = 50;
  b.r1 = b.r2 = 0;
  b.params = {{0, 3}, {1, 100}, {2, 12}, {3, 15}, {4, 70}, {11, 4}, {13, 3}, {19, 1}, {20, 1}};
  for (int row = 0; row < 6; ++row) {
    b.strokeStarts.push_back(static_cast<int>(b.points.size()));
    for (int x = 560; x <= 940; x += 20) b.points.push_back({x, 200 + row * 120});
  }
  for (int column = 0; column < 7; ++column) {
    b.strokeStarts.push_back(static_cast<int>(b.points.size()));
    for (int y = 160; y <= 860; y += 25) b.points.push_back({580 + column * 60, y});
  }
  return b;
}

class FileMenuRoad : public AppTest {
 protected:
  // Files the test writes with the program's own writer are written before the start.
  void StartShown() {
    ASSERT_TRUE(Start());
    ShowAndPaint();
  }
  QMenuBar* bar() const { return frame()->menuBar(); }
  static CTmbView* ViewOf(int kind) { return CTmbView::ViewOfKind(kind); }

  TempDir dir;
};

TEST_F(FileMenuRoad, AnOldCharacterFileOpenedFromTheMenuIsShownInWindowA) {
  const std::string path = (dir / "old.wdf").string();
  WriteFileBytes(path, BuildWdfBlock(OldCharacter()));
  StartShown();
  chooser.Next(path);
  ASSERT_TRUE(ChooseMenuItem(bar(), {"文件", "打开"}));
  ASSERT_EQ(GetCharDocumentOfKind(kKindDrawA)->DrawnRecord()->m_nPoints, 6 * 20 + 7 * 29);
  EXPECT_TRUE(messages.ids.empty());
  // The file carries no picture: the default pictures its record names stay behind the
  // character, and the image editor does not open over window A.
  EXPECT_EQ(CBmpViewWindow::Instance(), nullptr);
  for (const char* step : {"opened", "converted"}) {
    SCOPED_TRACE(step);
    if (std::string(step) == "converted") {
      ASSERT_TRUE(ChooseMenuItem(bar(), {"显示", "变换显示"}));
    }
    QCoreApplication::processEvents();
    const Surface& back = gBrushStates[0].m_bitmap;
    SavePictureForViewing(back, std::string("old_character_") + step);
    EXPECT_GT(CountInk(back, back.Bounds()), 5000) << "the strokes of the file are on the paper";
    // The window shows that paper where it lies in the window.
    CTmbView* view = ViewOf(kKindDrawA);
    const Point o = gDrawState.m_ptCanvasOrigin;
    const Rect client = view->ClientRectLogical();
    const Rect shown{o.x - client.left, o.y - client.top, o.x - client.left + back.width(), o.y - client.top + 300};
    EXPECT_GT(CountInk(view->windowSurface(), shown), 1000);
  }
}

TEST_F(FileMenuRoad, OneTouchConversionShowsTheCharacterWithTheSettingsOfTheChosenFile) {
  const std::string character = (dir / "character.wdf").string();
  const std::string settings = (dir / "yellow paper.wdf").string();
  ASSERT_TRUE(WriteRecordedCharacterFile(character));
  constexpr Colour kPaleYellow = 0x80FFFF;
  ASSERT_TRUE(WriteWindowACharacterFile(settings, [](CCharData& a) {
    a.m_param[157] = int32_t(kPaleYellow);
    a.m_pPoints[0] = {10, 10};
    a.m_pFlags[0] = 1;
    a.m_pPressure[0] = -1;
    a.m_nPoints = 1;
  }));
  StartShown();
  chooser.Next(character);
  ASSERT_TRUE(ChooseMenuItem(bar(), {"文件", "打开"}));
  CCharDataFull& rec = *GetCharDocumentOfKind(kKindDrawA)->DrawnRecord();
  const int points = rec.m_nPoints;
  ASSERT_EQ(points, kRecordedStrokeCount * kRecordedPointsPerStroke);
  const Surface& back = gBrushStates[0].m_bitmap;
  EXPECT_EQ(back.GetPixel(2, 2), 0xFFFFFFu);

  chooser.Next(settings);
  ASSERT_TRUE(ChooseMenuItem(bar(), {"文件", "ワンタッチ変換"}));
  QCoreApplication::processEvents();
  // The character stays, shown on the file's paper; the file in use stays the first one.
  EXPECT_EQ(rec.m_nPoints, points);
  EXPECT_EQ(rec.m_param[157], int32_t(kPaleYellow));
  SavePictureForViewing(back, "one_touch_yellow_paper");
  EXPECT_EQ(back.GetPixel(2, 2), kPaleYellow);
  EXPECT_GT(CountInk(back, back.Bounds()), 5000);
  EXPECT_EQ(gDrawState.m_szCharFilePath, character);
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(FileMenuRoad, PrintingWhatThePrintSettingsCannotGiveSaysWhyAndShowsNoPreview) {
  StartShown();
  const std::string pdf = (dir / "preview.pdf").string();
  printing.previewPath = pdf;
  const struct Case {
    const char* popup;  // under 文件
    const char* choice;
    int message;
  } cases[] = {
      {"打印范围", "区域", 0},                     // window A has no edit rectangle: a beep only
      {"打印对象", "編集ｳｨﾝﾄﾞｳ", 61621},          // the image editor was never opened
      {"打印对象", "ﾌﾟﾚﾋﾞｭｰｳｨﾝﾄﾞｳ", 61621},       // nor the preview
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    ASSERT_TRUE(ChooseMenuItem(bar(), {"文件", "打印范围", "全部"}));
    ASSERT_TRUE(ChooseMenuItem(bar(), {"文件", "打印对象", "描画ｳｨﾝﾄﾞｳA"}));
    ASSERT_TRUE(ChooseMenuItem(bar(), {"文件", c.popup, c.choice}));
    messages.ids.clear();
    const int beeps = messages.beeps;
    const int previews = printing.previews;
    for (const char* command : {"打印预览", "打印"}) {
      ASSERT_TRUE(ChooseMenuItem(bar(), {"文件", command}));
      EXPECT_EQ(printing.previews, previews) << "no preview of nothing";
      EXPECT_EQ(printing.choices, 0) << "no printer is asked for";
    }
    EXPECT_EQ(messages.ids, (c.message ? std::vector<int>{c.message, c.message} : std::vector<int>{}));
    EXPECT_EQ(messages.beeps, beeps + 2);
    EXPECT_FALSE(std::filesystem::exists(pdf));
  }
  // With the whole paper of window A, the preview shows its page.
  ASSERT_TRUE(ChooseMenuItem(bar(), {"文件", "打印范围", "全部"}));
  ASSERT_TRUE(ChooseMenuItem(bar(), {"文件", "打印对象", "描画ｳｨﾝﾄﾞｳA"}));
  messages.ids.clear();
  ASSERT_TRUE(ChooseMenuItem(bar(), {"文件", "打印预览"}));
  EXPECT_EQ(printing.previews, 1);
  EXPECT_TRUE(std::filesystem::exists(pdf));
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(FileMenuRoad, PrintingTheActiveWindowPrintsTheWindowInFrontOrSaysWhyNot) {
  StartShown();
  const std::string pdf = (dir / "active.pdf").string();
  printing.previewPath = pdf;
  ASSERT_TRUE(ChooseMenuItem(bar(), {"文件", "打印对象", "アクティブなウィンドウ"}));
  EXPECT_TRUE(MenuItem(bar(), {"文件", "打印对象", "アクティブなウィンドウ"})->isChecked());
  // Window B in front: its page is previewed and B is in front again afterwards.
  ASSERT_TRUE(ChooseMenuItem(bar(), {"窗口", "书写窗口B", "显示"}));
  ASSERT_EQ(frame()->GetActiveViewKind(), kKindDrawB);
  ASSERT_TRUE(ChooseMenuItem(bar(), {"文件", "打印预览"}));
  EXPECT_EQ(printing.previews, 1);
  EXPECT_TRUE(std::filesystem::exists(pdf));
  EXPECT_EQ(frame()->GetActiveViewKind(), kKindDrawB);
  EXPECT_TRUE(messages.ids.empty());
  std::filesystem::remove(pdf);

  // Printed as a picture, the image editor opened in front (for its background colour,
  // the chooser cancelled) and not painted yet holds none: its print and preview say so.
  ASSERT_TRUE(ChooseMenuItem(bar(), {"文件", "打印方式", "位图(保持飞白)"}));
  ASSERT_TRUE(ChooseMenuItem(bar(), {"窗口", "背景色", "編集・拡大ｳｨﾝﾄﾞｳ"}));
  ASSERT_EQ(frame()->GetActiveViewKind(), kKindImageEditor);
  for (const char* command : {"印刷プレビュー", "印刷"}) {
    ASSERT_TRUE(ChooseMenuItem(bar(), {"画像ﾌｧｲﾙ", command}));
  }
  EXPECT_EQ(messages.ids, (std::vector<int>{61622, 61622}));
  EXPECT_EQ(printing.previews, 1) << "no preview of nothing";
  EXPECT_EQ(printing.choices, 0) << "no printer is asked for";
  EXPECT_FALSE(std::filesystem::exists(pdf));
  // Painted, it has its picture, which is then previewed.
  QCoreApplication::processEvents();
  messages.ids.clear();
  ASSERT_TRUE(ChooseMenuItem(bar(), {"画像ﾌｧｲﾙ", "印刷プレビュー"}));
  EXPECT_EQ(printing.previews, 2);
  EXPECT_TRUE(std::filesystem::exists(pdf));
  EXPECT_TRUE(messages.ids.empty());
}

// The desktop's own file dialogs in place of the scripted ones, for as long as it lives.
class DesktopChooser {
 public:
  explicit DesktopChooser(FileChooser& scripted) : scripted_(scripted) { SetFileChooser(&dialogs_); }
  ~DesktopChooser() { SetFileChooser(&scripted_); }

 private:
  ui::FileChooserDialogs dialogs_;
  FileChooser& scripted_;
};

// The file dialog on the screen; null when none is shown.
QFileDialog* ShownFileDialog() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* dialog = qobject_cast<QFileDialog*>(w); dialog && dialog->isVisible()) return dialog;
  }
  return nullptr;
}

// Answers the next file dialog as a user does: chooses the file type whose name begins
// with type, types name and presses the dialog's own button.
void AnswerFileDialog(const QString& type, const QString& name) {
  QTimer::singleShot(0, [type, name] {
    QFileDialog* dialog = ShownFileDialog();
    ASSERT_TRUE(dialog);
    auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_TRUE(types);
    // Down the list with the arrow key, as far as the type.
    for (int k = 0; k < types->count() && !types->currentText().startsWith(type); ++k) {
      QTest::keyClick(types, Qt::Key_Down);
    }
    ASSERT_TRUE(types->currentText().startsWith(type)) << type.toStdString();
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_TRUE(edit);
    edit->setText(name);
    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
  });
}

TEST_F(FileMenuRoad, ExportWithThePngTypeAndANameWithoutExtensionWritesAPngOfThatType) {
  StartShown();
  DesktopChooser desktop(chooser);
  gDrawState.m_szLastFolder = dir.path().string();
  // The type list says what each type is.
  QStringList shown;
  QTimer::singleShot(0, [&shown] {
    QFileDialog* dialog = ShownFileDialog();
    ASSERT_TRUE(dialog);
    shown = dialog->nameFilters();
    dialog->reject();
  });
  ASSERT_TRUE(ChooseMenuItem(bar(), {"文件", "输出"}));
  EXPECT_EQ(shown, (QStringList{"BMP picture (*.bmp)", "PNG picture (*.png)", "JPEG picture (*.jpg)",
                                "SWF movie (*.swf)", "SVG picture (*.svg)", "All files (*)"}));
  AnswerFileDialog(QStringLiteral("PNG picture"), (dir / "export").string().c_str());
  ASSERT_TRUE(ChooseMenuItem(bar(), {"文件", "输出"}));
  EXPECT_FALSE(std::filesystem::exists(dir / "export"));
  ASSERT_TRUE(std::filesystem::exists(dir / "export.png"));
  const std::vector<uint8_t> bytes = FileBytes(dir / "export.png");
  ASSERT_GT(bytes.size(), 8u);
  EXPECT_EQ(bytes[1], 'P');
  EXPECT_TRUE(messages.ids.empty());
  ExpectPngcheckPasses(dir / "export.png");
}

}  // namespace
}  // namespace tmb::test
