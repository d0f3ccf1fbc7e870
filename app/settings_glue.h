// The small settings commands behind the Settings and File menus: the pen dialog, the
// guide frame, the picture file's save range and the automatic registration. Each runs
// its dialog on part of the drawing state or of a record and applies it unless cancelled.
#pragma once

class CCharDataFull;
class CTmbView;

// The pen and brush speed dialog on the drawing state; the new mouse speed level applies.
void RunPenSettings();
// The guide-frame dialog on parameters 32 to 36 of rec: 0 cancelled, else 2 when the
// dialog's option was chosen, 1 when not.
int RunGuideFrameDialog(CCharDataFull& rec);
// The guide frame of the current drawing window; the writing area and its guides are
// shown again unless cancelled.
void RunGuideFrameCommand(CTmbView& view);
// Whether a picture file holds the whole picture or the set area only.
void EditSaveRange();
// Only while the drawing state's automatic registration is on (else 0): the character of
// view is drawn once with its registration parameter raised; 1.
int RunAutoRegistration(CTmbView& view);
