// The root of the SWF tags: every tag writes its own record (header and body) into a
// buffer. Control tags place, remove and show; character tags define a character and take
// the movie's next character id when they are constructed.
#pragma once

#include <cstdint>
#include <span>

class SwfOutputBuffer;

class SwfTag {
 public:
  virtual ~SwfTag() = default;
  // Writes the whole record; a field that does not fit fails out.
  virtual void Write(SwfOutputBuffer& out) const = 0;
  // Whether a ShowFrame: movies and sprites count their frames by it.
  virtual bool IsFrame() const { return false; }
  // The record's tag code.
  virtual int Code() const = 0;

 protected:
  // The header with the body's real size (spliced blocks included), then the body.
  static void WriteRecord(SwfOutputBuffer& out, int code, SwfOutputBuffer& body);
};

class SwfControlTag : public SwfTag {};

class SwfCharacterTag : public SwfTag {
 public:
  SwfCharacterTag();
  // 0 when the movie had no id left for it.
  uint16_t Id() const { return m_nId; }

 protected:
  // The u16 id that opens the body; an id-less tag fails out.
  void WriteId(SwfOutputBuffer& body) const;

 private:
  uint16_t m_nId;
};

// An already encoded record, header included, spliced as it is. Its memory stays the
// caller's and must outlive the write.
class SwfTagRaw : public SwfTag {
 public:
  explicit SwfTagRaw(std::span<const uint8_t> record) : m_record(record) {}
  void Write(SwfOutputBuffer& out) const override;
  // The code in the record's header (-1 when it has none).
  int Code() const override;

 private:
  std::span<const uint8_t> m_record;
};

// Whether a sprite may hold a tag of this code: the control tags that place, remove, show,
// label, sound and act, and nothing that defines.
bool IsSpriteTagCode(int code);

// The End tag (00 00) that closes a movie or a sprite.
void WriteEndTag(SwfOutputBuffer& out);
