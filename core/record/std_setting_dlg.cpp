#include "core/record/std_setting_dlg.h"

#include "platform/service/messages.h"

namespace {

StdSettingDialogRunner* gRunner = nullptr;

}  // namespace

CStdSettingDlg gStdSettingDlgs[2];

void SetStdSettingDialogRunner(StdSettingDialogRunner* runner) { gRunner = runner; }

int CStdSettingDlg::DoModal() { return gRunner ? gRunner->Run(*this) : tmb::kAnswerCancel; }
