// The web page that lists saved pictures in a table, a row of captions under each row of
// pictures, as many columns as fit in 80 % of the screen width. Names and captions are
// UTF-8, as the file names are, and the page says so.
#pragma once

#include <string>
#include <vector>

// Pictures (and captions) one page lists: the most frames an animation has.
constexpr int kHtmlIndexLimit = 1000;

class CHtmlIndexWriter {
 public:
  CHtmlIndexWriter() { SetFileName(std::string()); }

  // Empties the lists and restores the layout defaults; the page goes to base + ".html"
  // ("test_html.html" for an empty base); openAfter opens it with the shell when written.
  void Init(const std::string& base, int openAfter);
  void SetFileName(const std::string& base);
  // Every picture on the page is shown at the size of this rectangle.
  void SetImageRect(int left, int top, int right, int bottom);
  // 1 appended, 0 when the list already holds kHtmlIndexLimit entries.
  int AddImageName(const std::string& name);
  int AddCaption(const std::string& text);
  // Columns that fit in 80 % of screenWidth (at least 1), rows that hold every picture.
  void Layout(int screenWidth);
  // The page's text, laid out for screenWidth.
  std::string BuildPage(int screenWidth);

  std::vector<std::string> m_imageNames;
  std::string m_szFileName;
  std::vector<std::string> m_captions;
  int m_nLimit = kHtmlIndexLimit;
  int m_bOpenAfter = 1;
  int m_nColumns = 2;
  int m_nRows = 2;
  int m_nImageWidth = 100;
  int m_nImageHeight = 100;
  int m_nBorder = 1;
  int m_nTableWidth = 300;  // kept, not written
  float m_fScale = 1.0f;
};

// Writes the page of gHtmlIndexWriter beside what it lists, laid out for the measured
// screen, and opens it when asked. 1 written; 0 when the file cannot be written (told,
// and a page of that name stays as it was).
int WriteHtmlIndex();

extern CHtmlIndexWriter gHtmlIndexWriter;
