#include "export/html/html_index_writer.h"

#include <algorithm>
#include <filesystem>

#include "core/state/draw_state.h"
#include "export/html/text_builders.h"
#include "platform/file/safe_save.h"
#include "platform/service/messages.h"
#include "platform/service/shell_open.h"

CHtmlIndexWriter gHtmlIndexWriter;

namespace {

constexpr int kMsgOpenFileError = 62047;
constexpr float kTableShare = 0.8f;

// Text between tags or inside a quoted attribute.
void AppendEscaped(std::string& text, const std::string& raw) {
  for (char c : raw) {
    switch (c) {
      case '&': text += "&amp;"; break;
      case '<': text += "&lt;"; break;
      case '>': text += "&gt;"; break;
      case '"': text += "&quot;"; break;
      default: text += c;
    }
  }
}

// A file name as the address of a picture beside the page: the characters that would end
// or change the address are percent-encoded (the browser decodes them back), the rest of
// the UTF-8 name stays as it is; then it is escaped for the attribute.
void AppendPictureAddress(std::string& text, const std::string& name) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string address;
  for (char c : name) {
    const auto b = static_cast<unsigned char>(c);
    if (b <= 0x20 || b == 0x7F || c == '%' || c == '#' || c == '?' || c == '"' || c == '<' || c == '>' || c == '\\') {
      address += '%';
      address += kHex[b >> 4];
      address += kHex[b & 15];
    } else {
      address += c;
    }
  }
  AppendEscaped(text, address);
}

void AppendLine(std::string& text, const char* line) {
  text += line;
  AppendCrLf(text);
}

void AppendQuotedNumber(std::string& text, int value) {
  text += '"';
  text += std::to_string(value);
  text += '"';
}

}  // namespace

void CHtmlIndexWriter::Init(const std::string& base, int openAfter) {
  *this = CHtmlIndexWriter();
  m_bOpenAfter = openAfter;
  SetFileName(base);
}

void CHtmlIndexWriter::SetFileName(const std::string& base) {
  m_szFileName = (base.empty() ? std::string("test_html") : base) + ".html";
}

void CHtmlIndexWriter::SetImageRect(int left, int top, int right, int bottom) {
  m_nImageWidth = right - left;
  m_nImageHeight = bottom - top;
}

int CHtmlIndexWriter::AddImageName(const std::string& name) {
  if (int(m_imageNames.size()) >= m_nLimit) return 0;
  m_imageNames.push_back(name);
  return 1;
}

int CHtmlIndexWriter::AddCaption(const std::string& text) {
  if (int(m_captions.size()) >= m_nLimit) return 0;
  m_captions.push_back(text);
  return 1;
}

void CHtmlIndexWriter::Layout(int screenWidth) {
  m_fScale = kTableShare;
  if (m_nImageWidth > 0) m_nColumns = int(float(screenWidth) * m_fScale) / m_nImageWidth;
  if (m_nColumns < 1) m_nColumns = 1;
  const int count = int(m_imageNames.size());
  m_nRows = (count + m_nColumns - 1) / m_nColumns;
}

std::string CHtmlIndexWriter::BuildPage(int screenWidth) {
  std::string text;
  AppendLine(text, "<html>");
  AppendLine(text, "<head>");
  AppendLine(text, "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">");
  AppendLine(text, "<title></title>");
  AppendLine(text, "</head>");
  AppendLine(text, "<body bgcolor=\"#FFFFFF\">");
  AppendCrLf(text);
  text += "<table border=";
  AppendQuotedNumber(text, m_nBorder);
  text += ">";
  AppendCrLf(text);
  AppendCrLf(text);
  Layout(screenWidth);
  const int count = int(m_imageNames.size());
  for (int first = 0; first < count; first += m_nColumns) {
    const int end = std::min(count, first + m_nColumns);
    AppendLine(text, "<tr>");
    for (int i = first; i < end; ++i) {
      text += " <td> <img src=\"";
      AppendPictureAddress(text, m_imageNames[size_t(i)]);
      text += "\" width=";
      AppendQuotedNumber(text, m_nImageWidth);
      text += " height=";
      AppendQuotedNumber(text, m_nImageHeight);
      text += "> </td>";
      AppendCrLf(text);
    }
    AppendLine(text, "</tr>");
    AppendLine(text, "<tr>");
    for (int i = first; i < end; ++i) {
      text += " <td><b>";
      if (i < int(m_captions.size())) AppendEscaped(text, m_captions[size_t(i)]);
      text += "</b></td>";
      AppendCrLf(text);
    }
    AppendLine(text, "</tr>");
  }
  AppendCrLf(text);
  AppendLine(text, "</table>");
  AppendCrLf(text);
  AppendLine(text, "</body>");
  AppendLine(text, "</html>");
  return text;
}

int WriteHtmlIndex() {
  CHtmlIndexWriter& page = gHtmlIndexWriter;
  const std::string text = page.BuildPage(gDrawState.m_sizeScreen.cx);
  if (!tmb::SaveFileAtomically(std::filesystem::u8path(page.m_szFileName), text.data(), text.size())) {
    tmb::ShowMessage(kMsgOpenFileError);
    return 0;
  }
  if (page.m_bOpenAfter) tmb::ShellOpen().Open(page.m_szFileName);
  return 1;
}
