// The image-effect definition that every character record carries: the name of its
// definition file and the script text that files store with the record. The image
// editor's effect reader fills in the parsed effects; the record only keeps and copies
// the definition.
#pragma once

#include <string>

class CEffectDef {
 public:
  // Takes file (code page 932) as the definition's file name with the colour source
  // (parameter 101) and returns 1. Reading and parsing the file belongs to the image
  // editor's effect reader.
  int SetFile(const std::string& file, int colourSource);
  // Copies the whole definition.
  void CopyFrom(const CEffectDef& other);

  std::string m_strFile;    // code page 932
  std::string m_script;     // the script text, code page 932
  int m_nColourSource = 0;  // parameter 101 when the file was set
};
