// The framework document of the drawing windows, the settings view and the data-file
// tree: it holds the character document of the engine and hands the shell's requests
// (open, load, save) to it.
#pragma once

#include <memory>
#include <string>

#include "app/char_document.h"
#include "core/tmb_doc.h"

class CTmbDocument final : public CharDocument {
  Q_OBJECT

 public:
  // A new document with the defaults of a new character.
  CTmbDocument();
  ~CTmbDocument() override;

  int LoadFile(const std::string& path, int mode) override;
  void LoadDroppedFile(const std::string& path) override;
  void OpenFileDialog() override;
  void OnOneTouchConvert() override { m_doc->OnOneTouchConvert(); }
  void TempSave() override { m_doc->TempSave(); }
  void SaveAs() override;
  void SaveToCurrentPath() override;
  bool HasPath() const override { return m_doc->m_bHasPath != 0; }
  CCharDataFull* DrawnRecord() override { return &m_doc->m_char; }
  // The drawn record says whether pen input or an edit changed it since the last file.
  bool IsModified() const override { return m_doc->m_char.m_bModified != 0; }


  CTmbDoc& engine() { return *m_doc; }

 private:
  std::unique_ptr<CTmbDoc> m_doc;
};
