// The image editor as the outline preview reaches it: the picture of its view while it is
// open. The main window installs it for its lifetime.
#pragma once

void InstallImageEditorLink();
void RemoveImageEditorLink();
