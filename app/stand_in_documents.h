// Stand-in documents until the character document and the picture document exist: they
// open files through the same roads and report failures as those will, but hold no data.
#pragma once

#include <string>

#include "app/char_document.h"
#include "core/char_data_full.h"

class CStandInCharDoc final : public CharDocument {
  Q_OBJECT

 public:
  int LoadFile(const std::string& path, int mode) override;
  void LoadDroppedFile() override;
  void OpenFileDialog() override;
  void SaveAs() override;
  void SaveToCurrentPath() override;
  bool HasPath() const override { return hasPath_; }
  CCharDataFull* DrawnRecord() override { return &m_char; }
  // Pen input marks the drawn record as changed.
  bool IsModified() const override { return m_char.m_bModified != 0 || CharDocument::IsModified(); }

  // The last file loaded; empty when none.
  const std::string& loadedPath() const { return loaded_; }
  int saveCount() const { return saves_; }

  CCharDataFull m_char;

 private:
  void MarkSaved();

  std::string loaded_;
  bool hasPath_ = false;
  int saves_ = 0;
};

class CStandInPictureDoc final : public PictureDocument {
  Q_OBJECT

 public:
  void SaveImageAs() override;
  int saveCount() const { return saves_; }

 private:
  int saves_ = 0;
};
