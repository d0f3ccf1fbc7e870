// The framework document of the drawing windows, the settings view and the data-file
// tree: it holds the character document of the engine, which the shell's commands (open,
// load, save) call directly.
#pragma once

#include "core/document/tmb_doc.h"
#include "platform/ui/document.h"

class CTmbDocument final : public tmb::ui::Document {
  Q_OBJECT

 public:
  // A new document with the defaults of a new character.
  CTmbDocument();

  CTmbDoc& engine() { return m_doc; }
  // The drawn record of the window.
  CCharDataFull* DrawnRecord() { return &m_doc.m_char; }
  // Whether the characters have a file to save to.
  bool HasPath() const { return m_doc.m_bHasPath != 0; }
  // The drawn record says whether pen input or an edit changed it since the last file.
  bool IsModified() const override { return m_doc.m_char.m_bModified != 0; }

 private:
  CTmbDoc m_doc;
};
