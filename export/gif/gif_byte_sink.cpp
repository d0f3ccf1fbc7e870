#include "export/gif/gif_byte_sink.h"

#include "platform/file/binary_file.h"

tmb::Status GifMemorySink::Put(std::span<const uint8_t> bytes) {
  m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
  return tmb::Status::Ok();
}

tmb::Status GifFileSink::Put(std::span<const uint8_t> bytes) {
  if (!m_file.Write(bytes.data(), bytes.size())) return tmb::Status::Fail("GIF write failed: " + m_file.error());
  return tmb::Status::Ok();
}
