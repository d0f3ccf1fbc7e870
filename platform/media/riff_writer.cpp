#include "platform/media/riff_writer.h"

#include <string>

namespace tmb {

void RiffWriter::BeginChunk(uint32_t id) {
  file_.WriteU32(id);
  open_.push_back(file_.Tell());
  file_.WriteU32(0);
}

void RiffWriter::BeginList(uint32_t listId, uint32_t formType) {
  BeginChunk(listId);
  file_.WriteU32(formType);
}

Status RiffWriter::EndChunk() {
  if (open_.empty()) return Status::Fail("no chunk is open");
  const int64_t sizeField = open_.back();
  open_.pop_back();
  const int64_t end = file_.Tell();
  if (end < 0) return Status::Fail("the position in the file is unknown");
  if (end > limit_) return Check();
  const int64_t size = end - sizeField - 4;
  if ((size & 1) != 0) file_.WriteU8(0);
  Patch(sizeField, uint32_t(size));  // a failed patch leaves the file failed
  return Check();
}

bool RiffWriter::Fits(int64_t extra) const {
  const int64_t here = file_.Tell();
  return here >= 0 && extra >= 0 && here + extra + int64_t(open_.size()) <= limit_;
}

bool RiffWriter::Patch(int64_t offset, uint32_t value) {
  const int64_t end = file_.Tell();
  return file_.Seek(offset) && file_.WriteU32(value) && file_.Seek(end);
}

Status RiffWriter::Check() const {
  if (!file_.ok()) return Status::Fail(file_.error().empty() ? "the file could not be written" : file_.error());
  if (file_.Tell() > limit_) {
    return Status::Fail("the file would pass " + std::to_string(limit_ / (1024 * 1024)) +
                        " MB, more than its size fields can hold");
  }
  return Status::Ok();
}

}  // namespace tmb
