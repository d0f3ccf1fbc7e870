#include "platform/file/safe_save.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace tmb {

SafeSave::SafeSave(std::filesystem::path target) : target_(std::move(target)) {}

SafeSave::~SafeSave() {
  if (!committed_) Abandon();
}

Status SafeSave::Begin() {
  Abandon();
  committed_ = false;
  std::filesystem::path dir = target_.parent_path();
  if (dir.empty()) dir = ".";
  std::string hidden = ".";
  hidden.append(target_.filename().string()).append(".XXXXXX");
  std::string pattern = (dir / hidden).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  int fd = ::mkstemp(name.data());
  if (fd < 0) return Status::Fail("cannot create a file in " + dir.string() + ": " + std::strerror(errno));
  // mkstemp makes the file private; the saved file keeps the target's permissions, or
  // gets the ordinary ones of a new file.
  struct stat st;
  mode_t mode;
  if (::stat(target_.c_str(), &st) == 0) {
    mode = st.st_mode & 07777;
  } else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  ::fchmod(fd, mode);
  ::close(fd);
  temp_ = name.data();
  if (!file_.Open(temp_, BinaryFile::Mode::kCreate)) {
    std::filesystem::path failed = std::exchange(temp_, {});
    std::error_code ec;
    std::filesystem::remove(failed, ec);
    return Status::Fail(file_.error());
  }
  return Status::Ok();
}

Status SafeSave::Commit() {
  if (temp_.empty() || !file_.IsOpen()) return Status::Fail("nothing to save");
  bool written = file_.ok() && file_.Sync();
  std::string why = file_.error();
  bool closed = file_.Close();
  if (!written || !closed) {
    if (why.empty()) why = file_.error();
    Abandon();
    return Status::Fail("write failed: " + why);
  }
  std::error_code ec;
  std::filesystem::rename(temp_, target_, ec);
  if (ec) {
    Abandon();
    return Status::Fail("cannot replace " + target_.string() + ": " + ec.message());
  }
  temp_.clear();
  committed_ = true;
  return Status::Ok();
}

void SafeSave::Abandon() {
  file_.Close();
  if (!temp_.empty()) {
    std::error_code ec;
    std::filesystem::remove(temp_, ec);
    temp_.clear();
  }
}

Status SaveFileAtomically(const std::filesystem::path& target, const void* data, size_t size) {
  SafeSave save(target);
  if (Status s = save.Begin(); !s) return s;
  save.file().Write(data, size);
  return save.Commit();
}

Status ReadWholeFile(const std::filesystem::path& path, std::vector<uint8_t>& out, size_t maxBytes) {
  BinaryFile f;
  if (!f.Open(path, BinaryFile::Mode::kRead)) return Status::Fail(f.error());
  int64_t size = f.Size();
  if (size < 0) return Status::Fail("cannot tell the size of " + path.string());
  if (static_cast<uint64_t>(size) > maxBytes) return Status::Fail("file too large: " + path.string());
  out.resize(static_cast<size_t>(size));
  if (!f.Read(out.data(), out.size())) return Status::Fail(f.error());
  return Status::Ok();
}

}  // namespace tmb
