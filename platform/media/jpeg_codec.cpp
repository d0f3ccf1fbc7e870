#include "platform/media/jpeg_codec.h"

#include <climits>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

namespace tmb {
namespace {

// Bytes the encoder collects before each write to the file.
constexpr size_t kWriteBufferSize = 64 * 1024;

// The most pixels one byte of a JPEG file can fill: every 8 x 8 block of a component
// costs at least one bit of coded data, and a block of the least sampled component spans
// at most 4 x 4 blocks of pixels. Photographs and scans take several bytes per block.
constexpr uint64_t kMaxPixelsPerDataByte = 8 * 64 * 16;

// Library failures jump back to the call that started the work instead of exiting the
// program; warnings are not printed. Data that ends before the picture does is a failure:
// the library would only warn and pad the picture with grey.
struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

void EmitMessage(j_common_ptr cinfo, int level) {
  if (level >= 0) return;  // trace output
  const int code = cinfo->err->msg_code;
  if (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER) ErrorExit(cinfo);
  cinfo->err->num_warnings++;
}

void OutputMessage(j_common_ptr) {}

jpeg_error_mgr* InstallErrorManager(ErrorManager& err) {
  jpeg_std_error(&err.pub);
  err.pub.error_exit = ErrorExit;
  err.pub.emit_message = EmitMessage;
  err.pub.output_message = OutputMessage;
  err.message[0] = '\0';
  return &err.pub;
}

// A destination that writes the compressed bytes to an open file.
struct FileDestination {
  jpeg_destination_mgr pub;
  BinaryFile* file;
  JOCTET buffer[kWriteBufferSize];
};

void InitDestination(j_compress_ptr cinfo) {
  auto* dest = reinterpret_cast<FileDestination*>(cinfo->dest);
  dest->pub.next_output_byte = dest->buffer;
  dest->pub.free_in_buffer = kWriteBufferSize;
}

boolean EmptyOutputBuffer(j_compress_ptr cinfo) {
  auto* dest = reinterpret_cast<FileDestination*>(cinfo->dest);
  if (!dest->file->Write(dest->buffer, kWriteBufferSize)) ERREXIT(cinfo, JERR_FILE_WRITE);
  dest->pub.next_output_byte = dest->buffer;
  dest->pub.free_in_buffer = kWriteBufferSize;
  return TRUE;
}

void TermDestination(j_compress_ptr cinfo) {
  auto* dest = reinterpret_cast<FileDestination*>(cinfo->dest);
  const size_t used = kWriteBufferSize - dest->pub.free_in_buffer;
  if (used > 0 && !dest->file->Write(dest->buffer, used)) ERREXIT(cinfo, JERR_FILE_WRITE);
}

struct Encoder {
  ErrorManager err;
  jpeg_compress_struct cinfo;
  FileDestination dest;
  bool created = false;
  ~Encoder() {
    if (created) jpeg_destroy_compress(&cinfo);
  }
};

// The functions that set a jump point hold no object with a destructor, so a jump back
// skips nothing; the library's state lives in heap records whose address never changes.
bool Encode(Encoder& e, const uint8_t* top, ptrdiff_t stride, int width, int height, int quality) {
  if (setjmp(e.err.jump)) return false;
  e.cinfo.err = InstallErrorManager(e.err);
  e.created = true;
  jpeg_create_compress(&e.cinfo);
  e.dest.pub.init_destination = InitDestination;
  e.dest.pub.empty_output_buffer = EmptyOutputBuffer;
  e.dest.pub.term_destination = TermDestination;
  e.cinfo.dest = &e.dest.pub;
  e.cinfo.image_width = JDIMENSION(width);
  e.cinfo.image_height = JDIMENSION(height);
  e.cinfo.input_components = 3;
  e.cinfo.in_color_space = JCS_EXT_BGR;
  jpeg_set_defaults(&e.cinfo);
  jpeg_set_quality(&e.cinfo, quality, TRUE);
  // Colour at full resolution: thin red strokes and seals keep their colour at the edges.
  e.cinfo.comp_info[0].h_samp_factor = 1;
  e.cinfo.comp_info[0].v_samp_factor = 1;
  jpeg_start_compress(&e.cinfo, TRUE);
  while (e.cinfo.next_scanline < e.cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(top + ptrdiff_t(e.cinfo.next_scanline) * stride);
    jpeg_write_scanlines(&e.cinfo, &row, 1);
  }
  jpeg_finish_compress(&e.cinfo);
  return true;
}

}  // namespace

struct JpegReader::Codec {
  ErrorManager err;
  jpeg_decompress_struct cinfo;
  bool created = false;
  ~Codec() {
    if (created) jpeg_destroy_decompress(&cinfo);
  }
};

namespace {

bool ReadHeader(ErrorManager& err, jpeg_decompress_struct& cinfo, bool& created, std::span<const uint8_t> bytes) {
  if (setjmp(err.jump)) return false;
  cinfo.err = InstallErrorManager(err);
  created = true;
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&cinfo, TRUE);
  return true;
}

bool Decode(ErrorManager& err, jpeg_decompress_struct& cinfo, uint8_t* out, size_t rowBytes, size_t workLimit) {
  if (setjmp(err.jump)) {
    jpeg_abort_decompress(&cinfo);
    return false;
  }
  cinfo.out_color_space = JCS_EXT_BGR;
  // 0 would mean no limit.
  cinfo.mem->max_memory_to_use = workLimit == 0 ? 1 : long(workLimit > size_t(LONG_MAX) ? LONG_MAX : workLimit);
  jpeg_start_decompress(&cinfo);
  if (cinfo.output_components != 3 || cinfo.output_width != cinfo.image_width ||
      cinfo.output_height != cinfo.image_height) {
    ERREXIT(&cinfo, JERR_CONVERSION_NOTIMPL);
  }
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = out + size_t(cinfo.output_scanline) * rowBytes;
    if (jpeg_read_scanlines(&cinfo, &row, 1) != 1) ERREXIT(&cinfo, JERR_INPUT_EMPTY);
  }
  jpeg_finish_decompress(&cinfo);
  return true;
}

}  // namespace

JpegReader::JpegReader() = default;
JpegReader::~JpegReader() = default;

Status JpegReader::Open(std::span<const uint8_t> bytes) {
  codec_ = std::make_unique<Codec>();
  width_ = height_ = 0;
  dataBytes_ = bytes.size();
  opened_ = false;
  outOfMemory_ = false;
  if (bytes.empty()) return Status::Fail("no JPEG data");
  if (!ReadHeader(codec_->err, codec_->cinfo, codec_->created, bytes)) return Status::Fail(codec_->err.message);
  width_ = int(codec_->cinfo.image_width);
  height_ = int(codec_->cinfo.image_height);
  opened_ = true;
  return Status::Ok();
}

bool JpegReader::ClaimsMoreThanItsData() const {
  return uint64_t(width_) * uint64_t(height_) > uint64_t(dataBytes_) * kMaxPixelsPerDataByte;
}

Status JpegReader::ReadBgr(std::span<uint8_t> out, size_t workLimit) {
  if (!opened_) return Status::Fail("no JPEG header read");
  const size_t rowBytes = size_t(width_) * 3;
  if (out.size() != rowBytes * size_t(height_)) return Status::Fail("the buffer does not fit the picture");
  // A decode, whole or failed, uses up the header read.
  opened_ = false;
  if (!Decode(codec_->err, codec_->cinfo, out.data(), rowBytes, workLimit)) {
    const int code = codec_->err.pub.msg_code;
    outOfMemory_ = code == JERR_NO_BACKING_STORE || code == JERR_OUT_OF_MEMORY;
    return Status::Fail(codec_->err.message);
  }
  return Status::Ok();
}

Status WriteJpegBgr(BinaryFile& file, const uint8_t* top, ptrdiff_t stride, int width, int height, int quality) {
  if (!top || width <= 0 || height <= 0 || quality < 1 || quality > 100) {
    return Status::Fail("no picture to write as JPEG");
  }
  auto encoder = std::make_unique<Encoder>();
  encoder->dest.file = &file;
  if (!Encode(*encoder, top, stride, width, height, quality)) return Status::Fail(encoder->err.message);
  return Status::Ok();
}

}  // namespace tmb
