// The actions of the SWF writer: each writes its code byte, then, for codes of 0x80 and
// above, a u16 length and its body.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class SwfOutputBuffer;

class SwfAction {
 public:
  virtual ~SwfAction() = default;
  virtual void Write(SwfOutputBuffer& out) const = 0;
};

using SwfActionList = std::vector<std::unique_ptr<SwfAction>>;

// Each action of the list in order.
void WriteActions(SwfOutputBuffer& out, const SwfActionList& actions);

class SwfActionGotoFrame : public SwfAction {
 public:
  explicit SwfActionGotoFrame(int frame) : m_nFrame(frame) {}
  void Write(SwfOutputBuffer& out) const override;

 private:
  int m_nFrame;
};

class SwfActionGetURL : public SwfAction {
 public:
  SwfActionGetURL(std::string url, std::string target)
      : m_url(std::move(url)), m_target(std::move(target)) {}
  void Write(SwfOutputBuffer& out) const override;

 private:
  std::string m_url;
  std::string m_target;
};

class SwfActionWaitForFrame : public SwfAction {
 public:
  SwfActionWaitForFrame(int frame, int skipCount) : m_nFrame(frame), m_nSkipCount(skipCount) {}
  void Write(SwfOutputBuffer& out) const override;

 private:
  int m_nFrame;
  int m_nSkipCount;
};

class SwfActionSetTarget : public SwfAction {
 public:
  explicit SwfActionSetTarget(std::string target) : m_target(std::move(target)) {}
  void Write(SwfOutputBuffer& out) const override;

 private:
  std::string m_target;
};

class SwfActionGoToLabel : public SwfAction {
 public:
  explicit SwfActionGoToLabel(std::string label) : m_label(std::move(label)) {}
  void Write(SwfOutputBuffer& out) const override;

 private:
  std::string m_label;
};

class SwfActionWaitForFrame2 : public SwfAction {
 public:
  explicit SwfActionWaitForFrame2(int skipCount) : m_nSkipCount(skipCount) {}
  void Write(SwfOutputBuffer& out) const override;

 private:
  int m_nSkipCount;
};

// Pushes a string (type 0) or a 32-bit float (type 1).
class SwfActionPush : public SwfAction {
 public:
  explicit SwfActionPush(std::string value) : m_bFloat(false), m_string(std::move(value)) {}
  explicit SwfActionPush(float value) : m_bFloat(true), m_float(value) {}
  void Write(SwfOutputBuffer& out) const override;

 private:
  bool m_bFloat;
  std::string m_string;
  float m_float = 0.0f;
};

class SwfActionJump : public SwfAction {
 public:
  explicit SwfActionJump(int offset) : m_nOffset(offset) {}
  void Write(SwfOutputBuffer& out) const override;

 private:
  int m_nOffset;
};

class SwfActionGetURL2 : public SwfAction {
 public:
  explicit SwfActionGetURL2(int method) : m_nMethod(method) {}
  void Write(SwfOutputBuffer& out) const override;

 private:
  int m_nMethod;
};

class SwfActionIf : public SwfAction {
 public:
  explicit SwfActionIf(int offset) : m_nOffset(offset) {}
  void Write(SwfOutputBuffer& out) const override;

 private:
  int m_nOffset;
};

class SwfActionGotoFrame2 : public SwfAction {
 public:
  explicit SwfActionGotoFrame2(int play) : m_nPlay(play) {}
  void Write(SwfOutputBuffer& out) const override;

 private:
  int m_nPlay;
};
