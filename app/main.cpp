// The tamberi executable: the calligraphy studio's main window.
#include <QApplication>
#include <QStringList>
#include <memory>
#include <string>
#include <utility>

#include "app/command_line.h"
#include "app/tmb_app.h"
#include "platform/service/colour_chooser.h"
#include "platform/service/font_chooser.h"
#include "platform/service/logged_messages.h"
#include "platform/service/messages.h"
#include "platform/service/profile.h"
#include "platform/ui/colour_chooser_dialog.h"
#include "platform/ui/desktop_open.h"
#include "platform/ui/file_chooser_dialogs.h"
#include "platform/ui/font_chooser_dialog.h"
#include "platform/ui/message_box.h"
#include "platform/ui/screen_display_modes.h"
#include "platform/ui/settings_profile.h"
#include "platform/ui/start_options.h"
#include "platform/ui/x11_pointer_speed.h"
#include "platform/ui/wait_cursor_service.h"
#include "resources/string_table.h"

namespace {

constexpr int kMsgSettingsNotWritten = 62047;

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tamberi"));
  // The installed desktop entry, by which the desktop knows the windows and their icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("tamberi"));

  // A smoke run quits after the start: it answers no questions, leaves the user's
  // settings alone and writes what it would have shown on the error stream.
  const bool smoke = tmb::ui::ApplyStartOptions(app);
  tmb::ui::MessageBoxService messages;
  tmb::LoggedMessages logged(stderr);
  tmb::ui::FileChooserDialogs choosers;
  tmb::ui::ColourChooserDialog colours;
  tmb::ui::FontChooserDialog fonts;
  tmb::ui::WaitCursorService cursors;
  tmb::ui::ScreenDisplayModes display;
  tmb::ui::DesktopOpen desktop;
  tmb::ui::X11PointerSpeed pointer;
  std::unique_ptr<tmb::ProfileStore> profile;
  tmb::ui::SettingsProfile* settings = nullptr;
  if (smoke) {
    profile = std::make_unique<tmb::MemoryProfile>();
    tmb::SetMessageService(&logged);
  } else {
    auto desktopSettings = std::make_unique<tmb::ui::SettingsProfile>();
    settings = desktopSettings.get();
    profile = std::move(desktopSettings);
    tmb::SetMessageService(&messages);
    tmb::SetFileChooser(&choosers);
    tmb::SetColourChooser(&colours);
    tmb::SetFontChooser(&fonts);
    tmb::SetShellOpenService(&desktop);
  }
  tmb::SetProfileStore(profile.get());
  tmb::SetCursorService(&cursors);
  tmb::SetDisplayModes(&display);

  std::vector<std::string> args;
  for (const QString& a : QApplication::arguments().mid(1)) args.push_back(a.toStdString());
  theApp.SetCommandLine(JoinArguments(args));
  int code = theApp.Run();

  theApp.Reset();
  // The settings are written while a message can still say that they could not be.
  if (settings && !settings->Sync()) {
    tmb::Messages().Show(kMsgSettingsNotWritten,
                         tmb::LoadStringText(kMsgSettingsNotWritten) + "\n" + settings->FileName().toStdString(),
                         tmb::kMsgOk);
  }
  tmb::SetProfileStore(nullptr);
  tmb::SetMessageService(nullptr);
  tmb::SetFileChooser(nullptr);
  tmb::SetColourChooser(nullptr);
  tmb::SetFontChooser(nullptr);
  tmb::SetShellOpenService(nullptr);
  tmb::SetCursorService(nullptr);
  tmb::SetDisplayModes(nullptr);
  return code;
}
