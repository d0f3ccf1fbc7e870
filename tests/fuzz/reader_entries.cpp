#include "fuzz/reader_entries.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "core/bitmap/dib.h"
#include "convert/presets/style_def_tree.h"
#include "core/canvas/work_canvas.h"
#include "core/file/char_file_services.h"
#include "core/document/doc_windows.h"
#include "core/path/stroke_path.h"
#include "core/record/char_data_full.h"
#include "core/record/char_slots.h"
#include "core/record/log_font.h"
#include "core/state/draw_state.h"
#include "core/state/registration_panel.h"
#include "core/store/char_store.h"
#include "core/store/font_sub_table.h"
#include "core/store/point_record.h"
#include "core/store/store_section.h"
#include "core/text/text_settings.h"
#include "export/gif/gif_file_writer.h"
#include "export/gif/gif_reader.h"
#include "export/picture/jpeg_reader.h"
#include "export/picture/jpeg_writer.h"
#include "export/picture/picture_file_reader.h"
#include "export/picture/picture_file_writer.h"
#include "export/picture/png_reader.h"
#include "export/picture/png_writer.h"
#include "export/swf/swf_wave_file.h"
#include "core/effect/effect_def.h"
#include "platform/file/binary_file.h"
#include "platform/file/little_endian.h"
#include "platform/media/avi_reader.h"
#include "platform/media/avi_writer.h"
#include "platform/service/messages.h"
#include "support/colour_blocks.h"
#include "support/list_info_file.h"
#include "support/swf_fixture.h"
#include "support/test_canvas.h"

namespace tmb::fuzz {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

// Answers every question with OK or Yes and keeps nothing: a fuzzer shows millions.
class QuietMessages final : public MessageService {
 public:
  int Show(int, const std::string&, int style) override {
    return style == kMsgYesNo || style == kMsgYesNoCancel ? kAnswerYes : kAnswerOk;
  }
  void Beep() override {}
};

struct Folders {
  fs::path root;
  fs::path store;
};

Folders& TheFolders() {
  static Folders folders;
  return folders;
}

// The input as a file of the process's own folder, for the readers that take a path.
std::string WriteInput(std::span<const uint8_t> bytes, const char* name) {
  const fs::path path = TheFolders().root / name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return path.string();
}

Bytes ReadBack(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int Folded(int result) { return result == 1 ? 1 : std::min(result, 0); }
int Folded(const Status& status) { return status ? 1 : 0; }

// The paper of the program's default canvas.
constexpr int kPaperWidth = 500;
constexpr int kPaperHeight = 750;
// Pictures are drawn cut to a small target: filling a paper-sized one for every input
// took most of a fuzzer's time.
constexpr int kTargetWidth = 96;
constexpr int kTargetHeight = 96;

int ReadBmp(std::span<const uint8_t> bytes) {
  const std::string path = WriteInput(bytes, "in.bmp");
  CDib dib;
  const int loaded = dib.LoadFile(path);
  if (loaded != CDib::kLoaded) return Folded(loaded);
  tmb::test::Canvas target(kTargetWidth, kTargetHeight, PixelFormat::kColour32);
  return dib.Draw(&target.dc, {0, 0}, nullptr, 0) > 0 ? 1 : 0;
}

int ReadGif(std::span<const uint8_t> bytes) {
  const std::string path = WriteInput(bytes, "in.gif");
  tmb::test::Canvas target(kTargetWidth, kTargetHeight, PixelFormat::kColour32);
  CGifFileRecord file;
  std::vector<CGifFrameRecord> frames;
  const int read = ReadGifFile(&target.dc, path, &target.surface, 0, file, frames);
  if (read != 1) return Folded(read);
  // Later frames are decoded again from their records, once without a target.
  for (size_t i = 0; i < frames.size(); ++i) {
    const int drawn = DrawGifFrame(&target.dc, path, i % 2 ? nullptr : &target.surface, frames[i]);
    if (drawn != 1) return Folded(drawn);
  }
  return 1;
}

template <int (*Reader)(DeviceContext*, const std::string&, Size*, Surface*)>
int ReadPictureOfOneKind(std::span<const uint8_t> bytes) {
  const std::string path = WriteInput(bytes, "in.pic");
  tmb::test::Canvas target(kTargetWidth, kTargetHeight, PixelFormat::kColour32);
  Size size;
  return Folded(Reader(&target.dc, path, &size, &target.surface));
}

int ReadAnyPicture(std::span<const uint8_t> bytes) {
  const std::string path = WriteInput(bytes, "in.pic");
  tmb::test::Canvas target(kTargetWidth, kTargetHeight, PixelFormat::kColour32);
  Size size;
  // First only checked, as the image editor does, then drawn.
  const int checked = ReadPictureFile(nullptr, path, nullptr, nullptr);
  if (checked != 1) return Folded(checked);
  return Folded(ReadPictureFile(&target.dc, path, &target.surface, &size));
}

int ReadAvi(std::span<const uint8_t> bytes) {
  const std::string path = WriteInput(bytes, "in.avi");
  AviReader reader;
  if (!reader.Open(path)) return 0;
  std::vector<uint8_t> frame;
  for (int i = 0; i < reader.frames(); ++i) {
    if (!reader.ReadFrame(i, frame)) return 0;
  }
  return 1;
}

int ReadWave(std::span<const uint8_t> bytes) {
  SwfWaveSound sound;
  return Folded(ParseWaveFile(bytes, sound));
}

int ReadStyleDefinitions(std::span<const uint8_t> bytes) {
  auto tree = std::make_unique<CStyleDefTree>();
  const int damagedLine = tree->Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                                      "style_def.dat");
  return damagedLine == 0 ? 1 : 0;
}

int ReadEffectScript(std::span<const uint8_t> bytes) {
  auto def = std::make_unique<CEffectDef>();
  def->m_script.assign(bytes.begin(), bytes.end());
  return Folded(def->Parse());
}

int ReadCharacterBlocks(std::span<const uint8_t> bytes) {
  const std::string path = WriteInput(bytes, "in.wdf");
  BinaryFile file;
  if (!file.Open(path, BinaryFile::Mode::kRead)) return 0;
  auto record = std::make_unique<CCharDataFull>();
  // Both parts, as a file of two windows is read.
  for (int part = 1; part <= 2; ++part) {
    int mode = 0;
    // A block gives its first-part mark (0 or 1), or -1 when refused.
    if (record->ReadBlock(file, mode, 0, part, part) < 0) return -1;
  }
  return 1;
}

// The store input holds the font index and data files and the picture index and data
// files, each after its length (32 bits, little-endian); what is missing is empty.
Bytes TakePart(std::span<const uint8_t>& rest) {
  if (rest.size() < 4) {
    rest = {};
    return {};
  }
  const size_t n = std::min<size_t>(LoadU32(rest.data()), rest.size() - 4);
  Bytes part(rest.begin() + 4, rest.begin() + 4 + ptrdiff_t(n));
  rest = rest.subspan(4 + n);
  return part;
}

int ReadStore(std::span<const uint8_t> bytes) {
  const fs::path& folder = TheFolders().store;
  for (const char* name : {"fontdata.idx", "fontdata.dat", "picdata.idx", "picdata.dat"}) {
    const Bytes part = TakePart(bytes);
    std::ofstream(folder / name, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(part.data()), std::streamsize(part.size()));
  }
  CharStore::ForgetUpgradeAnswer();
  CharStore store;
  if (!store.IsOpen()) return 0;
  CStrokePath path(kMaxCharPoints), second(kMaxCharPoints);
  BinaryFile data;
  if (store.GetFontCount() > 0 && !data.Open(store.FontDataName(), BinaryFile::Mode::kRead)) return 0;
  // Every record is loaded, as the dictionary and the text store would load it.
  bool whole = true;
  for (int i = 0; i < store.GetFontCount(); ++i) {
    const CFontIndexRecord& record = store.FontRecord(i);
    whole &= record.m_nOffset >= 0 && data.Seek(record.m_nOffset) && ReadRecord(data, path) >= 0;
  }
  for (int i = 0; i < store.GetPictureCount(); ++i) whole &= store.LoadPicture(i, path, second) == 1;
  return whole ? 1 : 0;
}

int ReadSection(std::span<const uint8_t> bytes) {
  const std::string path = WriteInput(bytes, "in.section");
  BinaryFile file;
  if (!file.Open(path, BinaryFile::Mode::kRead)) return 0;
  auto settings = std::make_unique<CTextSettings>();
  return Folded(LoadStoreSection(*settings, file, 1));
}

int ReadList(std::span<const uint8_t> bytes) {
  const CCharacterList list = ReadCharacterList(bytes);
  return list.entries.empty() ? 0 : 1;
}

int ReadInfo(std::span<const uint8_t> bytes) {
  CListInfo info;
  return Folded(ReadListInfo(bytes, info));
}

constexpr ReaderEntry kEntries[] = {
    {"bmp", ReadBmp},
    {"gif", ReadGif},
    {"jpeg", ReadPictureOfOneKind<ReadJpegFile>},
    {"png", ReadPictureOfOneKind<ReadPngFile>},
    {"picture", ReadAnyPicture},
    {"avi", ReadAvi},
    {"wave", ReadWave},
    {"style", ReadStyleDefinitions},
    {"effect", ReadEffectScript},
    {"wdf", ReadCharacterBlocks},
    {"store", ReadStore},
    {"section", ReadSection},
    {"list", ReadList},
    {"listinfo", ReadInfo},
};

// ---- seeds

// A small picture of three colour blocks written in format (0 BMP, 1 JPEG, 2 PNG, 3 GIF)
// by the program's own picture writer.
Bytes PictureSeed(int format) {
  const tmb::test::ColourBlocks blocks = tmb::test::MakeColourBlocks(21, 15);
  const fs::path path = TheFolders().root / "seed.pic";
  switch (format) {
    case 1: WriteJpegFile(path.string(), blocks.width, blocks.height, blocks.pixels); break;
    case 2: WritePngFile(path.string(), blocks.width, blocks.height, blocks.pixels); break;
    default: {
      tmb::test::Canvas canvas(21, 15, PixelFormat::kColour32, 0x2040C0);
      canvas.surface.SetPixel(3, 4, 0x000000);
      WritePictureFile(&canvas.dc, &canvas.surface, nullptr, path.string(), 21, 15, format);
    }
  }
  return ReadBack(path);
}

Bytes GifSeed() {
  const tmb::test::ColourBlocks blocks = tmb::test::MakeColourBlocks(12, 9);
  const fs::path path = TheFolders().root / "seed.gif";
  CGifFile gif;
  OpenGifFile(gif, path);
  for (int i = 0; i < 2; ++i) AddGifFrame(gif, blocks.width, blocks.height, blocks.pixels, {10, i == 1, false, 0});
  CloseGifFile(gif);
  return ReadBack(path);
}

Bytes AviSeed() {
  const fs::path path = TheFolders().root / "seed.avi";
  BinaryFile file;
  file.Open(path, BinaryFile::Mode::kCreate);
  AviFormat format;
  format.width = 8;
  format.height = 6;
  format.scale = 10;
  format.rate = 100;
  format.codec = AviCodec::kMotionJpeg;
  AviWriter writer(file);
  writer.Start(format);
  const std::vector<uint8_t> rows(AviFrameBytes(8, 6), 0x80);
  for (int i = 0; i < 2; ++i) writer.AddFrame(rows.data(), ptrdiff_t(AviFrameBytes(8, 1)));
  writer.Finish();
  file.Close();
  return ReadBack(path);
}

Bytes AppDataFile(const char* name) { return ReadBack(fs::path(TMB_APP_DATA_DIR) / name); }

void AddPoints(CCharData& record, int strokes) {
  record.ClearPoints();
  int n = 0;
  for (int s = 0; s < strokes; ++s) {
    for (int i = 0; i < 4; ++i, ++n) {
      record.m_pPoints[n] = {100 + 30 * i, 120 + 80 * s};
      record.m_pFlags[n] = i == 0 ? 1 : 0;
      record.m_pPressure[n] = 50;
    }
  }
  record.m_nPoints = n;
}

Bytes CharacterFileSeed() {
  const fs::path path = TheFolders().root / "seed.wdf";
  BinaryFile file;
  file.Open(path, BinaryFile::Mode::kCreate);
  auto record = std::make_unique<CCharDataFull>();
  AddPoints(*record, 3);
  record->WriteBlock(file, 1);
  AddPoints(*record, 2);
  record->WriteBlock(file, 2);
  file.Close();
  return ReadBack(path);
}

Bytes StoreSeed() {
  const fs::path& folder = TheFolders().store;
  for (const auto& entry : fs::directory_iterator(folder)) fs::remove(entry.path());
  {
    CharStore store;
    CStrokePath path(100);
    for (int i = 0; i < 6; ++i) path.AppendPoint(10 * i, 20 * i, i % 3 == 0 ? 1 : 0);
    CTextCharEntry entry;
    entry.SetChar("\x89\x69");  // 永
    entry.m_font = DefaultTextFont();
    store.AddFontCharacter(entry, path);
    store.AddPicture("seed.bmp", path, path);
  }
  Bytes out;
  for (const char* name : {"fontdata.idx", "fontdata.dat", "picdata.idx", "picdata.dat"}) {
    const Bytes part = ReadBack(folder / name);
    uint8_t size[4];
    StoreU32(size, uint32_t(part.size()));
    out.insert(out.end(), size, size + 4);
    out.insert(out.end(), part.begin(), part.end());
  }
  return out;
}

Bytes SectionSeed() {
  const fs::path path = TheFolders().root / "seed.section";
  BinaryFile file;
  file.Open(path, BinaryFile::Mode::kCreate);
  auto settings = std::make_unique<CTextSettings>();
  settings->m_strText = "\x89\x69";
  settings->m_entries[0].SetChar("\x89\x69");
  settings->m_nEntries = 1;
  SaveStoreSection(*settings, file, 0);
  file.Close();
  return ReadBack(path);
}

Bytes ListSeed() {
  // UTF-16 with its mark: 永 and 森 on two lines.
  return {0xFF, 0xFE, 0x38, 0x6C, 0x0D, 0x00, 0x0A, 0x00, 0x2E, 0x68};
}

}  // namespace

std::span<const ReaderEntry> ReaderEntries() { return kEntries; }

const ReaderEntry* FindReaderEntry(std::string_view name) {
  for (const ReaderEntry& e : kEntries) {
    if (name == e.name) return &e;
  }
  return nullptr;
}

void PrepareReaders() {
  Folders& folders = TheFolders();
  if (!folders.root.empty()) return;
  static QuietMessages messages;
  SetMessageService(&messages);
  std::string pattern = (fs::temp_directory_path() / "tmb-readers-XXXXXX").string();
  folders.root = mkdtemp(pattern.data()) ? pattern : fs::temp_directory_path().string();
  folders.store = folders.root / "store";
  fs::create_directories(folders.store);
  // The embedded pictures of character files go to the process's folder too.
  setenv("TMPDIR", folders.root.c_str(), 1);
  gDrawState.Reset();
  gCharSlots.Reset();
  gWorkCanvas.Reset();
  gWorkCanvas.Init(kPaperWidth, kPaperHeight, "", 32000, 32, 32);
  gWorkCanvas.m_folder = folders.store.string();
  gFontSubTable.Reset();
  SetCharFileDialogs(nullptr);
  SetTmbDocWindows(nullptr);
}

std::vector<uint8_t> SeedFor(std::string_view name) {
  PrepareReaders();
  if (name == "bmp") return PictureSeed(0);
  if (name == "jpeg") return PictureSeed(1);
  if (name == "png" || name == "picture") return PictureSeed(2);
  if (name == "gif") return GifSeed();
  if (name == "avi") return AviSeed();
  if (name == "wave") {
    return tmb::test::WaveFileBytes(11025, 1, 16, tmb::test::PcmBytes(tmb::test::SineSamples(440, 8000, 11025, 64)));
  }
  if (name == "style") return AppDataFile("style_def.dat");
  if (name == "effect") return AppDataFile("ef_sample1.txt");
  if (name == "wdf") return CharacterFileSeed();
  if (name == "store") return StoreSeed();
  if (name == "section") return SectionSeed();
  if (name == "list") return ListSeed();
  if (name == "listinfo") return tmb::test::ListInfoFileBytes(64, 64, 2, "fontbmp", {0x6C38, 0x68EE});
  return {};
}

}  // namespace tmb::fuzz
