// What the handwritten registration shows in window A: the panel's page over blank paper,
// the character back in full when the mode is left, an options dialog in words, and a
// picture box that takes the image editor's selection, which 確定･保存 saves.
#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QRegularExpression>
#include <QScrollBar>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/kind_lookup.h"
#include "app/recorded_window_fixture.h"
#include "brush/render/brush_state.h"
#include "core/canvas/work_canvas.h"
#include "imageedit/view/bmp_view_window.h"
#include "resources/command_ids.h"
#include "support/picture_files.h"
#include "support/surface_copies.h"
#include "support/ui/image_for_viewing.h"
#include "support/ui/menu_path.h"
#include "support/ui/scripted_dialogs.h"
#include "views/registration/key_edit.h"

namespace tmb::test {
namespace {

constexpr Colour kBlack = 0x000000, kWhite = 0xFFFFFF;
constexpr Colour kFrameLight = 0xC0C0C0, kFrameDark = 0x404040;

CRegistrationPanel& Panel() { return gDrawState.m_toolPanel; }

class RegistrationScreen : public RecordedWindowTest {
 protected:
  // Window pixel of paper point p.
  Colour WindowAt(Point p) {
    const QPoint d = Device(p);
    return Window().GetPixel(d.x(), d.y());
  }
  // A picture in the image editor, its left part black and the rest white, with a
  // selection 200 wide and 120 high shown over it; window A in front again.
  void ShowEditorSelection() {
    ASSERT_TRUE(frame()->ExecuteCommand(kCmdShowEditor));
    CBmpViewWindow* window = CBmpViewWindow::Instance();
    ASSERT_TRUE(window);
    CBmpView& editor = window->editor();
    ASSERT_TRUE(editor.EnsureSetup(nullptr));
    for (int y = 0; y < editor.m_bmpWork.height(); ++y) {
      for (int x = 0; x < editor.m_bmpWork.width(); ++x) editor.m_bmpWork.SetPixel(x, y, x < 60 ? kBlack : kWhite);
    }
    editor.m_region = {0, 0, 200, 120};
    editor.m_nFrameState = 1;
    frame()->ActivateViewOfKind(kKindDrawA, 0);
  }
  void PressButton(int i) {
    view->area()->verticalScrollBar()->setValue(0);
    QCoreApplication::processEvents();
    const Rect r = Panel().m_rcButtons[size_t(i)];
    const Point mid{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    PenEvents mouse(view->area()->viewport(), clock);
    mouse.Press(Device(mid));
    mouse.Release(Device(mid));
  }
};

TEST_F(RegistrationScreen, ThePanelsPageIsBlankPaperAndLeavingItShowsTheCharacterAgain) {
  const Surface before = CopyOfSurface(Window());
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdRegistrationPanel));
  const Surface& page = Window();
  SavePictureForViewing(page, "registration_panel_page");
  const CRegistrationPanel& panel = Panel();
  const Rect client = view->ClientRectLogical();
  const Point o = gDrawState.m_ptCanvasOrigin;
  // Outside the panel and the writing box the paper is white: no part of the character
  // peeks out from under the panel.
  int stray = 0, box = 0, boxWhite = 0, boxInkBefore = 0, framed = 0, frameRight = 0;
  for (int y = 0; y < gWorkCanvas.m_height; ++y) {
    for (int x = 0; x < gWorkCanvas.m_width; ++x) {
      const Colour c = page.GetPixel(x + o.x - client.left, y + o.y - client.top);
      if (c == kInvalidColour || panel.m_rcPanel.Contains({x, y})) continue;
      if (panel.m_rcWriting.Contains({x, y})) {
        ++box;
        boxWhite += c == kWhite && gBrushStates[0].m_bitmap.GetPixel(x, y) == kWhite;
        boxInkBefore += RedOf(before.GetPixel(x + o.x - client.left, y + o.y - client.top)) < 128;
        continue;
      }
      // The writing box's frame, sunk into the page: dark above and left, light below
      // and right.
      const Rect& w = panel.m_rcWriting;
      const bool ring = x >= w.left - 1 && x <= w.right && y >= w.top - 1 && y <= w.bottom;
      if (ring) {
        const bool darkSide = (x == w.left - 1 || y == w.top - 1) && x < w.right && y < w.bottom;
        ++framed;
        frameRight += c == (darkSide ? kFrameDark : kFrameLight);
        continue;
      }
      stray += c != 0xFFFFFF;
    }
  }
  EXPECT_EQ(stray, 0);
  EXPECT_GT(framed, 0);
  EXPECT_EQ(frameRight, framed);
  // The writing box starts clear, on the window and in the back buffer a confirm saves
  // from, where the window's character was.
  EXPECT_GT(box, 0);
  EXPECT_GT(boxInkBefore, 100);
  EXPECT_EQ(boxWhite, box);

  ASSERT_TRUE(frame()->ExecuteCommand(kCmdRegistrationPanel));
  const Surface& left = Window();
  SavePictureForViewing(left, "registration_left");
  EXPECT_TRUE(SamePixels(left, before));
  // The undo copy the panel took is the same character, drawn the same.
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdEditUndo));
  EXPECT_TRUE(SamePixels(Window(), before));
  EXPECT_TRUE(messages.ids.empty());
}

// Characters written and cleared in the mode never cost the character loaded before it:
// leaving the mode shows it again, and one undo brings back the last one written.
TEST_F(RegistrationScreen, LeavingTheModeAfterWritingShowsTheLoadedCharacterAgain) {
  const Surface before = CopyOfSurface(Window());
  const CCharDataFull& rec = GetCharDocumentOfKind(kKindDrawA)->engine().m_char;
  const int loaded = rec.m_nPoints;
  ASSERT_GT(loaded, 0);
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"编辑", "手書き文字登録"}));
  ASSERT_EQ(Panel().m_bShown, 1);
  const Rect box = Panel().m_rcWriting;
  auto write = [&](int dy) {
    view->area()->verticalScrollBar()->setValue(0);
    QCoreApplication::processEvents();
    PenEvents mouse(view->area()->viewport(), clock, 12);
    mouse.Press(Device({box.left + 20, box.top + 20 + dy}));
    for (int k = 1; k <= 20; ++k) mouse.Move(Device({box.left + 20 + 5 * k, box.top + 20 + dy + k / 4}));
    mouse.Release(Device({box.left + 125, box.top + 25 + dy}));
  };
  write(0);
  PressButton(1);  // 次へ: the writing box is cleared for the next character
  EXPECT_EQ(rec.m_nPoints, 0);
  write(40);
  const int written = rec.m_nPoints;
  ASSERT_GT(written, 0);
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"编辑", "手書き文字登録"}));
  ASSERT_EQ(Panel().m_bShown, 0);
  EXPECT_EQ(rec.m_nPoints, loaded);
  EXPECT_TRUE(SamePixels(Window(), before));
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"编辑", "还原"}));
  EXPECT_EQ(rec.m_nPoints, written);
  EXPECT_TRUE(messages.ids.empty());
}

// Entered with a character loaded, the mode starts on a clear writing box: 確定･保存 stores
// what was written into the box as the box holds it, none of the loaded character, which
// comes back when the mode is left.
TEST_F(RegistrationScreen, AConfirmStoresWhatWasWrittenIntoTheBoxAndNoneOfTheLoadedCharacter) {
  const Surface before = CopyOfSurface(Window());
  const Surface loaded = CopyOfSurface(gBrushStates[0].m_bitmap);
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"编辑", "手書き文字登録"}));
  const Rect box = Panel().m_rcWriting;
  const std::filesystem::path folder = dir / "fontbmp";
  std::filesystem::create_directories(folder);
  dialogs.Then([&](ui::DialogWindow& d) {
    ScriptedDialogs::Type(d, 102, QString::fromStdString(folder.string()));
    return ScriptedDialogs::PressOk(d);
  });
  PressButton(3);  // ｵﾌﾟｼｮﾝ: the picture folder

  // 十 written into the box with the mouse.
  const int cx = (box.left + box.right) / 2, cy = box.top + 100;
  view->area()->verticalScrollBar()->setValue(0);
  QCoreApplication::processEvents();
  PenEvents mouse(view->area()->viewport(), clock, 12);
  constexpr int kSteps = 40;
  mouse.Line(Device({box.left + 40, cy}), Device({box.right - 40, cy}), kSteps);
  mouse.Line(Device({cx, box.top + 30}), Device({cx, box.top + 170}), kSteps);
  const Surface written = CopyOfSurface(gBrushStates[0].m_bitmap);
  dialogs.Then([](ui::DialogWindow& d) {
    ScriptedDialogs::Type(d, 102, QString::fromUtf8("十"));
    return ScriptedDialogs::PressOk(d);
  });
  PressButton(0);  // 確定･保存
  EXPECT_TRUE(messages.ids.empty());
  const std::filesystem::path saved = folder / "__十.bmp";
  ASSERT_TRUE(std::filesystem::exists(saved));
  QImage image(QString::fromStdString(saved.string()), "BMP");
  ASSERT_FALSE(image.isNull());
  SaveImageForViewing(image, "registration_written_over_loaded");
  ASSERT_EQ(image.size(), QSize(box.Width(), box.Height()));
  // The picture is the box as it stood: the written strokes, and where the loaded
  // character had its ink away from them, white paper.
  int differ = 0, strokeInk = 0, loadedInk = 0, loadedShown = 0;
  for (int y = 0; y < box.Height(); ++y) {
    for (int x = 0; x < box.Width(); ++x) {
      const QRgb p = image.pixel(x, y);
      const Colour c = written.GetPixel(box.left + x, box.top + y);
      differ += p != qRgb(RedOf(c), GreenOf(c), BlueOf(c));
      const bool dark = qRed(p) < 128;
      const bool nearStroke = std::abs(box.top + y - cy) < 12 || std::abs(box.left + x - cx) < 12;
      if (nearStroke) {
        strokeInk += dark;
      } else if (RedOf(loaded.GetPixel(box.left + x, box.top + y)) < 128) {
        ++loadedInk;
        loadedShown += dark;
      }
    }
  }
  EXPECT_EQ(differ, 0);
  EXPECT_GT(strokeInk, 300);
  EXPECT_GT(loadedInk, 100) << "the loaded character has ink in the box";
  EXPECT_EQ(loadedShown, 0);

  // Leaving the mode brings the loaded character back.
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"编辑", "手書き文字登録"}));
  EXPECT_TRUE(SamePixels(Window(), before));
}

// The panel lies on the paper as the back buffer holds it: the character opened again in
// the mode shows under the panel, between its buttons and its frame.
TEST_F(RegistrationScreen, ThePanelShowsThePaperOfTheBackBufferUnderItsFrame) {
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"编辑", "手書き文字登録"}));
  chooser.Next(path);
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"文件", "打开"}));
  view->area()->verticalScrollBar()->setValue(0);
  const Surface& shown = Window();
  SavePictureForViewing(shown, "registration_panel_over_paper");
  // The panel's rows of buttons and its list are drawn over the paper; around them, and
  // below the prompt, the paper shows.
  const CRegistrationPanel& panel = Panel();
  const Rect& p = panel.m_rcPanel;
  int seen = 0, same = 0, ink = 0;
  for (int y = p.top + 1; y < p.bottom - 1; ++y) {
    for (int x = p.left + 1; x < p.right - 1; ++x) {
      const bool drawnOver = panel.m_rcPrompt.Contains({x, y}) || panel.m_rcList.Contains({x, y}) ||
                             std::any_of(panel.m_rcButtons.begin(), panel.m_rcButtons.end(),
                                         [&](const Rect& b) { return b.Contains({x, y}); });
      const Colour c = WindowAt({x, y});
      if (drawnOver || c == kInvalidColour) continue;
      const Colour back = gBrushStates[0].m_bitmap.GetPixel(x, y);
      ++seen;
      same += c == back;
      ink += RedOf(back) < 128;
    }
  }
  EXPECT_GT(ink, 50) << "the opened character lies under the panel";
  EXPECT_EQ(same, seen);
}

// The list box lies inside the panel's frame, on the list's place.
TEST_F(RegistrationScreen, TheListBoxStaysInsideThePanelsFrame) {
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"编辑", "手書き文字登録"}));
  QCoreApplication::processEvents();
  const CRegistrationPanel& panel = Panel();
  CKeyEdit* box = view->findChild<CKeyEdit*>();
  ASSERT_TRUE(box && box->isVisible());
  const Rect p = panel.m_rcPanel;
  const QRect inside(Device({p.left + 1, p.top + 1}), Device({p.right - 2, p.bottom - 2}));
  const QRect shown(box->mapTo(view->area()->viewport(), QPoint(0, 0)), box->size());
  EXPECT_TRUE(inside.contains(shown)) << "box " << shown.x() << "," << shown.y() << " " << shown.width() << "x"
                                      << shown.height() << " in " << inside.x() << "," << inside.y() << " "
                                      << inside.width() << "x" << inside.height();
}

TEST_F(RegistrationScreen, TheTextBoxTakesTheFocusTheWindowGetsAndKeepsItThroughARepaint) {
  QApplication::setActiveWindow(frame());
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdRegistrationPanel));
  ASSERT_TRUE(view->m_edit);
  ASSERT_TRUE(view->m_edit->isVisible());
  CTmbView* viewB = CTmbView::ViewOfKind(kKindDrawB);
  ASSERT_TRUE(viewB);
  // The user goes to window B and comes back to window A: the keys go on to the list.
  viewB->area()->setFocus(Qt::MouseFocusReason);
  QCoreApplication::processEvents();
  ASSERT_EQ(gDrawState.m_nCurDrawKind, kKindDrawB);
  view->area()->setFocus(Qt::MouseFocusReason);
  QCoreApplication::processEvents();
  EXPECT_EQ(gDrawState.m_nCurDrawKind, kKindDrawA);
  EXPECT_TRUE(view->m_edit->hasFocus());
  // A repaint of the character while the list has the focus shows the panel over it
  // again, and leaves the keys with the list.
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdConvertDisplay));
  const Rect button = Panel().m_rcButtons[1];
  EXPECT_EQ(WindowAt({button.left + 4, button.top + 4}), Colour(0xC0C0C0));
  EXPECT_TRUE(view->m_edit->hasFocus());
  // Without the panel the window keeps its focus.
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdRegistrationPanel));
  viewB->area()->setFocus(Qt::MouseFocusReason);
  view->area()->setFocus(Qt::MouseFocusReason);
  QCoreApplication::processEvents();
  EXPECT_TRUE(view->area()->hasFocus());
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(RegistrationScreen, ThePanelsFontsAreMadeOnceBoldAndWithASofterHighlightForLargeText) {
  struct Case {
    int textHeight;  // of the system's text, in the context the fonts are made with
    int large;
    int buttonWeight;
    Colour highlight;  // of the buttons' upper and left edges
  } cases[] = {{12, 0, 400, kWhite}, {28, 1, 700, 0xE0E0E0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.textHeight);
    Panel().m_bFontsMade = 0;
    auto ofHeight = [](int h) {
      Font f;
      f.height = -h;
      return f;
    };
    DeviceContext dc;
    dc.SelectFont(ofHeight(c.textHeight));
    view->CreatePanelFonts(dc);
    EXPECT_EQ(Panel().m_bLargeText, c.large);
    EXPECT_EQ(Panel().m_fontButton.weight, c.buttonWeight);
    EXPECT_EQ(Panel().m_fontPanel.weight, 400);
    EXPECT_EQ(Panel().m_fontPanel.faceName, "ＭＳ ゴシック");
    // Made once: a context of the other size changes nothing.
    const Font button = Panel().m_fontButton;
    DeviceContext other;
    other.SelectFont(ofHeight(40 - c.textHeight));
    view->CreatePanelFonts(other);
    EXPECT_EQ(Panel().m_bLargeText, c.large);
    EXPECT_EQ(Panel().m_fontButton, button);

    ASSERT_TRUE(frame()->ExecuteCommand(kCmdRegistrationPanel));
    const Rect b = Panel().m_rcButtons[2];
    if (c.large) SavePictureForViewing(Window(), "registration_panel_large_text");
    EXPECT_EQ(WindowAt({b.left, b.top + 3}), c.highlight);
    EXPECT_EQ(WindowAt({b.left + 3, b.top}), c.highlight);
    EXPECT_EQ(WindowAt({b.right - 1, b.top + 3}), Colour(0x606060));
    ASSERT_TRUE(frame()->ExecuteCommand(kCmdRegistrationPanel));
  }
}

TEST_F(RegistrationScreen, TheOptionsDialogNamesItsControlsInWords) {
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdRegistrationPanel));
  QStringList texts;
  dialogs.Then([&](ui::DialogWindow& d) {
    for (QLabel* l : d.findChildren<QLabel*>()) texts << l->text();
    for (QAbstractButton* b : d.findChildren<QAbstractButton*>()) texts << b->text();
    for (QGroupBox* g : d.findChildren<QGroupBox*>()) texts << g->title();
    return ui::kIdCancel;
  });
  PressButton(3);  // ｵﾌﾟｼｮﾝ
  ASSERT_EQ(dialogs.shown, (std::vector<int>{198}));
  const QRegularExpression number(QStringLiteral("^\\s*\\d+\\s*$"));
  int words = 0;
  for (const QString& t : texts) {
    EXPECT_FALSE(number.match(t).hasMatch()) << t.toStdString();
    words += !t.trimmed().isEmpty();
  }
  EXPECT_GE(words, 8);
  EXPECT_TRUE(texts.contains(QStringLiteral("画像フォルダ")));
}

TEST_F(RegistrationScreen, EnteredFromTheEditModeThePanelTakesTheEditorsSelectionAndConfirmSavesIt) {
  struct Case {
    const char* what;
    int pictureBox;  // the option that shows the picture box
  } cases[] = {{"box shown", 1}, {"box not shown", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ShowEditorSelection();
    // Nothing written; the panel entered from the edit mode.
    ASSERT_TRUE(frame()->ExecuteCommand(kCmdClearAll));
    Panel().m_bPictureBox = c.pictureBox;
    Panel().m_bPictureFilled = 0;
    Panel().m_nCurrent = -1;
    Panel().m_szFolder = (dir / (std::string("pictures_") + std::to_string(c.pictureBox))).string();
    std::filesystem::create_directories(Panel().m_szFolder);
    ASSERT_TRUE(frame()->ExecuteCommand(kCmdEditMode));
    ASSERT_TRUE(frame()->ExecuteCommand(kCmdRegistrationPanel));
    EXPECT_EQ(Panel().m_bPictureFilled, 1);
    if (c.pictureBox) {
      const Rect box = Panel().m_rcPicture;
      ASSERT_FALSE(box.IsEmpty());
      SavePictureForViewing(Window(), "registration_picture_box");
      // The square of the selection (120 x 120) fills the box: half black, half white.
      EXPECT_EQ(WindowAt({box.left + box.Width() / 4, box.top + box.Height() / 2}), kBlack);
      EXPECT_EQ(WindowAt({box.left + 3 * box.Width() / 4, box.top + box.Height() / 2}), kWhite);
      // Painted over, the box gets its picture back from the panel's refresh.
      const Point o = gDrawState.m_ptCanvasOrigin;
      const Point inBlack{box.left + box.Width() / 4, box.top + box.Height() / 2};
      {
        CTmbView::ClientDC dc(*view);
        dc.dc().FillSolidRect({box.left + o.x, box.top + o.y, box.right + o.x, box.bottom + o.y}, 0x00FF00);
      }
      ASSERT_EQ(WindowAt(inBlack), 0x00FF00u);
      {
        CTmbView::ClientDC dc(*view);
        view->RefreshRegistrationPanel(dc);
      }
      EXPECT_EQ(WindowAt(inBlack), kBlack);
    }

    // No character is current: the one the user names is saved, from the box's picture.
    dialogs.Then([](ui::DialogWindow& d) {
      ScriptedDialogs::Type(d, 102, QStringLiteral("永"));
      return ScriptedDialogs::PressOk(d);
    });
    PressButton(0);  // 確定･保存
    EXPECT_TRUE(messages.ids.empty());
    std::vector<std::filesystem::path> saved;
    for (const auto& e : std::filesystem::directory_iterator(Panel().m_szFolder)) saved.push_back(e.path());
    ASSERT_EQ(saved.size(), 1u);
    QImage image(QString::fromStdString(saved[0].string()), "BMP");
    ASSERT_FALSE(image.isNull());
    if (c.pictureBox) SaveImageForViewing(image, "registration_saved_from_box");
    EXPECT_EQ(image.pixel(image.width() / 4, image.height() / 2), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(3 * image.width() / 4, image.height() / 2), qRgb(255, 255, 255));
    ASSERT_TRUE(frame()->ExecuteCommand(kCmdRegistrationPanel));  // the panel is left
  }
}

TEST_F(RegistrationScreen, TheEditorsSelectionCopiedIntoTheWritingBoxShowsThereAndNoSelectionBeeps) {
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdRegistrationPanel));
  const Rect r = Panel().m_rcWriting;
  ASSERT_FALSE(r.IsEmpty());
  // Without a selection in the editor: a beep and the window as it was.
  const Surface before = CopyOfSurface(Window());
  {
    CTmbView::ClientDC dc(*view);
    view->CopySelectionToPanel(dc);
  }
  EXPECT_EQ(messages.beeps, 1);
  EXPECT_TRUE(SamePixels(Window(), before));

  ShowEditorSelection();
  {
    CTmbView::ClientDC dc(*view);
    view->CopySelectionToPanel(dc);
  }
  EXPECT_EQ(messages.beeps, 1);
  SavePictureForViewing(Window(), "registration_selection_in_writing_box");
  // The selection's square (its left half black) fills the writing box; the panel stays.
  EXPECT_EQ(WindowAt({r.left + r.Width() / 4, r.top + r.Height() / 2}), kBlack);
  EXPECT_EQ(WindowAt({r.left + 3 * r.Width() / 4, r.top + r.Height() / 2}), kWhite);
  EXPECT_EQ(gBrushStates[0].m_bitmap.GetPixel(r.left + r.Width() / 4, r.top + r.Height() / 2), kBlack);
  const Rect button = Panel().m_rcButtons[0];
  EXPECT_EQ(WindowAt({button.left + 4, button.top + 4}), Colour(0xC0C0C0));
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(RegistrationScreen, ThePictureListingWritesALineOnTheWindowForEveryRegisteredPicture) {
  const std::filesystem::path folder = dir / "registered";
  std::filesystem::create_directories(folder);
  for (const char* name : {"__\xe6\xb0\xb8.bmp", "_6c38.bmp", "_6c38_2.bmp", "notes.txt", "_x.bmp"}) {
    std::ofstream(folder / name) << "BM";
  }
  // Cancelled: nothing is listed and the window stays as it was.
  const Surface before = CopyOfSurface(Window());
  EXPECT_EQ(view->ShowPictureListing(), 0);
  EXPECT_TRUE(SamePixels(Window(), before));

  chooser.Next(folder.string());
  EXPECT_EQ(view->ShowPictureListing(), 3);
  const Surface& shown = Window();
  SavePictureForViewing(shown, "registration_picture_listing");
  // Three lines 25 pixels apart from the paper's top, nothing below them.
  auto darkIn = [&](int top, int bottom) {
    int n = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = 0; x < 400; ++x) {
        const QPoint d = Device({x, y});
        const Colour c = shown.GetPixel(d.x(), d.y());
        n += c != kInvalidColour && RedOf(c) < 128;
      }
    }
    return n;
  };
  for (int line = 0; line < 3; ++line) EXPECT_GT(darkIn(25 * line, 25 * line + 20), 20) << line;
  EXPECT_EQ(darkIn(75, 300), 0);
  EXPECT_TRUE(messages.ids.empty());
}

}  // namespace
}  // namespace tmb::test
