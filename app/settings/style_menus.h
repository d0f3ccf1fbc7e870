// The style menus of the style definitions: reading the style file at start-up, the
// commands of the menus' ids (1000-1127 choose a style class, 2000-2127 a style table) and
// the hand-over of a chosen style to the drawing view's style command.
#pragma once

#include <functional>
#include <string>

class CTmbView;
class QAction;
class QMenu;

// Reads the style file once: the one beside the program, else the data folder's copy.
// Returns 1.
int ReadStyleDef(const std::string& programFolder, const std::string& dataFolder);
// The style file's version into the drawn records of windows A and B and into the
// character slots, when it has one.
void ApplyStyleVersion();

// What runs the drawing view's style command (id -1: the chosen class, 1: the chosen
// table). The style items stay disabled while none is installed.
using StyleCommandRunner = std::function<void(CTmbView&, int)>;
// Fills root with the style menus of gStyleDefRoot: its items take the actions actionOf
// gives for their ids, and each popup made is handed to watch (for its update pass).
void BuildStyleMenus(QMenu& root, const std::function<QAction*(int)>& actionOf,
                     const std::function<void(QMenu*)>& watch);
void SetStyleCommandRunner(StyleCommandRunner runner);
const StyleCommandRunner& StyleRunner();
