// The image editor its window shows, for the views that copy a written character into it or
// take its selection: the editor's window installs it while it is open.
#pragma once

class CBmpView;

// The editor shown, or null while no editor window is open.
CBmpView* ShownImageEditor();
// Called by the editor's window: its editor when it opens, null when it closes.
void InstallShownImageEditor(CBmpView* editor);
