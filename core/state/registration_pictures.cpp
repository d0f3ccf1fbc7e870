// The pictures of the registration on disc: each character's file names, the number of
// its next picture, the character a name stands for, and the folder a list names.
#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

#include "core/state/registration_panel.h"
#include "platform/text/code_page.h"

namespace {

constexpr std::string_view kPictureExtension = ".bmp";
constexpr std::string_view kNotInFileNames = "\\/:*?\"<>|";
constexpr char kDefaultFolder[] = "fontbmp";

std::string Hex(uint32_t code, int digits) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%0*x", digits, code);
  return buf;
}

bool AllDigits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

// The number of a "_k" suffix, held at the largest int.
int NumberOf(std::string_view digits) {
  long long n = 0;
  for (char c : digits) {
    n = n * 10 + (c - '0');
    if (n > INT_MAX) return INT_MAX;
  }
  return int(n);
}

std::string_view WithoutNumber(std::string_view stem) {
  const size_t bar = stem.rfind('_');
  if (bar != std::string_view::npos && bar > 0 && AllDigits(stem.substr(bar + 1))) return stem.substr(0, bar);
  return stem;
}

// The code point of a UTF-8 text of exactly one character; -1 otherwise.
int SingleCodePoint(std::string_view s) {
  const std::optional<std::u16string> wide = tmb::Utf8ToUtf16(s);
  if (!wide || wide->empty()) return -1;
  if (wide->size() == 1) return (*wide)[0];
  if (wide->size() == 2 && (*wide)[0] >= 0xD800 && (*wide)[0] <= 0xDBFF) {
    return 0x10000 + (((*wide)[0] - 0xD800) << 10) + ((*wide)[1] - 0xDC00);
  }
  return -1;
}

}  // namespace

std::string PictureBaseName(const CRegistrationEntry& entry, bool codeNames) {
  // Appended rather than prefixed: GCC's optimiser warns wrongly of an overlapping copy
  // on a literal put in front of a temporary string.
  std::string name = "_";
  if (codeNames) {
    name += Hex(entry.code, 4);
  } else if (entry.code < 0x80 && kNotInFileNames.find(char(entry.code)) != std::string_view::npos) {
    name += Hex(entry.code, 1);
  } else {
    name += '_';
    name += entry.text;
  }
  return name;
}

int LargestPictureNumber(const std::string& folder, const std::string& base) {
  std::error_code ec;
  int largest = 0;
  for (std::filesystem::directory_iterator it(std::filesystem::path(folder), ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() <= kPictureExtension.size() || !name.ends_with(kPictureExtension)) continue;
    const std::string_view stem = std::string_view(name).substr(0, name.size() - kPictureExtension.size());
    if (stem == base) {
      largest = std::max(largest, 1);
    } else if (stem.size() > base.size() + 1 && stem.starts_with(base) && stem[base.size()] == '_' &&
               AllDigits(stem.substr(base.size() + 1))) {
      largest = std::max(largest, NumberOf(stem.substr(base.size() + 1)));
    }
  }
  return largest;
}

std::string CRegistrationPanel::NextPicturePath() const {
  if (m_nCurrent < 0 || m_nCurrent >= int(m_entries.size())) return {};
  const std::string base = PictureBaseName(m_entries[size_t(m_nCurrent)], m_bCodeNames);
  const int largest = m_bOverwrite ? 0 : LargestPictureNumber(m_szFolder, base);
  // The numbers end where the int ends: the last picture is then written again.
  const std::string name = largest == 0 ? base : base + "_" + std::to_string(largest == INT_MAX ? largest : largest + 1);
  return (std::filesystem::path(m_szFolder) / std::filesystem::path(name + std::string(kPictureExtension))).string();
}

int ParsePictureName(const std::string& fileName) {
  std::string_view stem = fileName;
  if (!stem.ends_with(kPictureExtension) || stem.size() <= kPictureExtension.size()) return -1;
  stem.remove_suffix(kPictureExtension.size());
  if (stem.starts_with("__")) {
    const std::string_view rest = stem.substr(2);
    const int whole = SingleCodePoint(rest);
    return whole >= 0 ? whole : SingleCodePoint(WithoutNumber(rest));
  }
  stem = WithoutNumber(stem);
  if (stem.size() != 5 || stem[0] != '_') return -1;
  for (char c : stem.substr(1)) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return -1;
  }
  return int(std::strtol(std::string(stem.substr(1)).c_str(), nullptr, 16));
}

std::string RegistrationFolderOf(const std::string& stored, const std::string& userFolder) {
  std::string path = tmb::SjisToUtf8Lossy(stored);
  while (!path.empty() && (path.back() == '\\' || path.back() == '/' || path.back() == ' ')) path.pop_back();
  const bool windows = path.find('\\') != std::string::npos || (path.size() >= 2 && path[1] == ':');
  const std::filesystem::path user = std::filesystem::path(userFolder);
  if (path.empty()) return (user / kDefaultFolder).string();
  if (!windows && !path.empty() && path[0] == '/') return path;
  const size_t cut = path.find_last_of("\\/:");
  const std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
  return (user / std::filesystem::path(name.empty() ? kDefaultFolder : name)).string();
}

int ListRegisteredPictures(const std::string& folder, std::vector<CRegisteredPicture>& table) {
  table.clear();
  std::error_code ec;
  // Stepped with an error code, as a folder that fails while it is read must not throw.
  for (std::filesystem::directory_iterator it(std::filesystem::path(folder), ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::filesystem::directory_entry& e = *it;
    const std::string name = e.path().filename().string();
    std::error_code kind;
    if (!name.starts_with("_") || !e.is_regular_file(kind)) continue;
    const int code = ParsePictureName(name);
    if (code < 0) continue;
    std::u16string wide;
    if (code >= 0x10000) {
      wide = {char16_t(0xD800 + ((code - 0x10000) >> 10)), char16_t(0xDC00 + ((code - 0x10000) & 0x3FF))};
    } else {
      wide = {char16_t(code)};
    }
    table.push_back({e.path().string(), tmb::Utf16ToUtf8(wide).value_or(""), uint32_t(code)});
  }
  std::sort(table.begin(), table.end(),
            [](const CRegisteredPicture& a, const CRegisteredPicture& b) { return a.path < b.path; });
  return int(table.size());
}
