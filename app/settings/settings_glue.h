// The small settings operations behind menu commands: a modal dialog on part of the
// drawing state or of the character record, its result applied unless cancelled.
#pragma once

#include <functional>

class CCharDataFull;

// The pen dialog on the drawing state's pen values. Unless cancelled they are taken, the
// pen speed is applied and the views set their mode's mouse speed anew. 1 taken, 0 not.
int RunPenSettings();

// The guide-frame dialog on parameters 32 to 36 of record: 0 when cancelled, else 2 when
// the dialog's option switch is on and 1 otherwise.
int RunGuideFrameDialog(CCharDataFull& record);
// The guide-frame command: the dialog on the drawn record of the current drawing window;
// unless cancelled its writing area and guides are painted again.
int RunGuideFrameCommand();

// The save-range dialog on the drawing state's choice; 1 taken, 0 cancelled.
int EditSaveRange();

// Whether automatic registration is on: while the registration panel is shown.
bool IsAutoRegistrationOn();
// Automatic registration: while it is on, the record's character is converted and shown
// at once (repaintNow) with the store character loader asked for (parameter 334), which
// is switched off again afterwards. 1 when it ran, 0 when it is off.
int RunAutoRegistration(CCharDataFull& record, const std::function<void()>& repaintNow);
// Automatic registration on the current drawing window, repainted at once.
int RunAutoRegistrationCommand();
