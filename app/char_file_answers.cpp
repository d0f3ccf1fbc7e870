#include "app/char_file_answers.h"

#include "convert/presets/style_def_tree.h"

std::optional<int> CCharFileAnswers::StyleSelection() { return gStyleDefRoot.version(); }
