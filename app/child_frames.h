// The frames of the other windows: the image editor (picture and zoom side by side), the
// preview (created minimised), and three frames no template creates today: the settings
// frame, the list frame and the font-axis frame with its hidden toolbar.
#pragma once

#include "platform/ui/child_frame.h"

class QSplitter;
class CCheckToolBar;

// A factor above 0 becomes the zoom window's; the zoom window is redrawn. Nothing happens
// while the zoom window is closed.
void SetZoomFactor(int factor);

class CFrame_Bmp : public tmb::ui::ChildFrame {
  Q_OBJECT

 public:
  explicit CFrame_Bmp(tmb::ui::Document* document);

 protected:
  bool OnCreateClient(const tmb::ui::ViewFactory& templateView) override;

 private:
  // The editor's commands (frame_bmp_commands.cpp).
  void RegisterCommands();

  QSplitter* m_wndSplitter = nullptr;
};

class CFrame_Pre : public tmb::ui::ChildFrame {
  Q_OBJECT

 public:
  explicit CFrame_Pre(tmb::ui::Document* document);

 protected:
  bool OnCreateClient(const tmb::ui::ViewFactory& templateView) override;
};

// Never larger than the settings panel.
class CFrame_Set : public tmb::ui::ChildFrame {
  Q_OBJECT

 public:
  explicit CFrame_Set(tmb::ui::Document* document);
};

class CFrame_List : public tmb::ui::ChildFrame {
  Q_OBJECT

 public:
  explicit CFrame_List(tmb::ui::Document* document);
};

class CFrame_FontDef : public tmb::ui::ChildFrame {
  Q_OBJECT

 public:
  explicit CFrame_FontDef(tmb::ui::Document* document);
  CCheckToolBar* toolBar() const { return m_wndToolBar; }
  // Shows the toolbar with its tips.
  void ShowToolBar();

 protected:
  bool OnCreateClient(const tmb::ui::ViewFactory& templateView) override;

 private:
  CCheckToolBar* m_wndToolBar = nullptr;
};
