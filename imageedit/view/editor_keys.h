// The image editor's keys (undo, cut, copy, paste) on one of its windows: they work only
// while that window has the focus, so the drawing windows keep the same keys for their own.
#pragma once

class QWidget;

void InstallEditorKeys(QWidget* window);
