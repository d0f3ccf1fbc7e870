#include "platform/file/binary_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdio_ext.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <thread>
#include <utility>

#include "platform/file/little_endian.h"

namespace tmb {

BinaryFile::~BinaryFile() { Close(); }

BinaryFile::BinaryFile(BinaryFile&& other) noexcept
    : fp_(std::exchange(other.fp_, nullptr)), ok_(other.ok_), error_(std::move(other.error_)) {}

BinaryFile& BinaryFile::operator=(BinaryFile&& other) noexcept {
  if (this != &other) {
    Close();
    fp_ = std::exchange(other.fp_, nullptr);
    ok_ = other.ok_;
    error_ = std::move(other.error_);
  }
  return *this;
}

bool BinaryFile::Open(const std::filesystem::path& path, Mode mode) {
  Close();
  ok_ = true;
  error_.clear();
  if (mode == Mode::kOpenOrCreate) {
    // One open that creates a missing file and never truncates an existing one.
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return Fail("open");
    fp_ = ::fdopen(fd, "r+b");
    if (!fp_) {
      ::close(fd);
      return Fail("open");
    }
    return true;
  }
  const char* how = mode == Mode::kRead ? "rb" : mode == Mode::kReadWrite ? "r+b" : "w+b";
  fp_ = std::fopen(path.c_str(), how);
  if (!fp_) return Fail("open");
  return true;
}

bool BinaryFile::Close() {
  if (!fp_) return true;
  bool closed = std::fclose(fp_) == 0;
  fp_ = nullptr;
  if (!closed) return Fail("close");
  return true;
}

bool BinaryFile::Fail(const char* what) {
  ok_ = false;
  error_ = std::string(what) + ": " + (errno ? std::strerror(errno) : "unexpected end of file");
  return false;
}

bool BinaryFile::Read(void* data, size_t size) {
  if (!fp_) return Fail("read");
  if (size == 0) return true;
  errno = 0;
  if (std::fread(data, 1, size, fp_) != size) return Fail("read");
  return true;
}

bool BinaryFile::ReadU8(uint8_t& v) { return Read(&v, 1); }

bool BinaryFile::ReadU16(uint16_t& v) {
  uint8_t b[2];
  if (!Read(b, 2)) return false;
  v = LoadU16(b);
  return true;
}

bool BinaryFile::ReadI16(int16_t& v) {
  uint16_t u;
  if (!ReadU16(u)) return false;
  v = static_cast<int16_t>(u);
  return true;
}

bool BinaryFile::ReadU32(uint32_t& v) {
  uint8_t b[4];
  if (!Read(b, 4)) return false;
  v = LoadU32(b);
  return true;
}

bool BinaryFile::ReadI32(int32_t& v) {
  uint32_t u;
  if (!ReadU32(u)) return false;
  v = static_cast<int32_t>(u);
  return true;
}

bool BinaryFile::ReadF32(float& v) {
  uint32_t u;
  if (!ReadU32(u)) return false;
  v = BitsToFloat(u);
  return true;
}

bool BinaryFile::Write(const void* data, size_t size) {
  if (!fp_) return Fail("write");
  if (size == 0) return true;
  errno = 0;
  if (std::fwrite(data, 1, size, fp_) != size) return Fail("write");
  return true;
}

bool BinaryFile::WriteU8(uint8_t v) { return Write(&v, 1); }

bool BinaryFile::WriteU16(uint16_t v) {
  uint8_t b[2];
  StoreU16(b, v);
  return Write(b, 2);
}

bool BinaryFile::WriteI16(int16_t v) { return WriteU16(static_cast<uint16_t>(v)); }

bool BinaryFile::WriteU32(uint32_t v) {
  uint8_t b[4];
  StoreU32(b, v);
  return Write(b, 4);
}

bool BinaryFile::WriteI32(int32_t v) { return WriteU32(static_cast<uint32_t>(v)); }

bool BinaryFile::WriteF32(float v) { return WriteU32(FloatToBits(v)); }

bool BinaryFile::Seek(int64_t offset, int whence) {
  if (!fp_) return Fail("seek");
  errno = 0;
  if (::fseeko(fp_, static_cast<off_t>(offset), whence) != 0) return Fail("seek");
  return true;
}

int64_t BinaryFile::Tell() const { return fp_ ? static_cast<int64_t>(::ftello(fp_)) : -1; }

int64_t BinaryFile::Size() const {
  if (!fp_) return -1;
  std::fflush(fp_);
  struct stat st;
  if (::fstat(::fileno(fp_), &st) != 0) return -1;
  return static_cast<int64_t>(st.st_size);
}

bool BinaryFile::AtEnd() const {
  int64_t size = Size();
  return size < 0 || Tell() >= size;
}

bool BinaryFile::Flush() {
  if (!fp_) return Fail("flush");
  errno = 0;
  if (std::fflush(fp_) != 0) return Fail("flush");
  // A buffer that failed to reach the disk in an earlier flush (one inside Size) is
  // dropped, and a later flush succeeds: only the stream's error mark still tells.
  if (std::ferror(fp_)) {
    errno = EIO;
    return Fail("flush");
  }
  return true;
}

bool BinaryFile::Sync() {
  if (!Flush()) return false;
  if (::fsync(::fileno(fp_)) != 0) return Fail("sync");
  return true;
}

bool BinaryFile::Lock() {
  if (!fp_) return Fail("lock");
  using namespace std::chrono_literals;
  constexpr auto kPause = 5ms;
  constexpr int kTries = 2000;
  for (int i = 0; i < kTries; ++i) {
    if (::flock(::fileno(fp_), LOCK_EX | LOCK_NB) == 0) return true;
    if (errno == EINTR) continue;
    // A file system that keeps no locks lets the opening through; any other refusal is one.
    if (errno == ENOLCK || errno == EOPNOTSUPP || errno == ENOSYS) return true;
    if (errno != EWOULDBLOCK) return Fail("lock");
    std::this_thread::sleep_for(kPause);
  }
  return Fail("lock");
}

bool BinaryFile::Truncate(int64_t length) {
  if (!fp_) return Fail("truncate");
  __fpurge(fp_);
  errno = 0;
  if (::ftruncate(::fileno(fp_), static_cast<off_t>(length)) != 0) return Fail("truncate");
  return Seek(length);
}

}  // namespace tmb
