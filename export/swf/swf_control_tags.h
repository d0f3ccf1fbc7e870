// The control tags of the SWF writer: frames, placing and removing characters, the
// background, actions, sounds, protection and labels.
#pragma once

#include <optional>
#include <string>

#include "export/swf/swf_actions.h"
#include "export/swf/swf_cxform.h"
#include "export/swf/swf_sound_info.h"
#include "export/swf/swf_tag.h"
#include "export/swf/swf_value_records.h"

class SwfTagShowFrame : public SwfControlTag {
 public:
  void Write(SwfOutputBuffer& out) const override;
  bool IsFrame() const override { return true; }
  int Code() const override { return 1; }
};

class SwfTagPlaceObject : public SwfControlTag {
 public:
  SwfTagPlaceObject(int characterId, int depth, const SwfMatrix& matrix,
                    std::optional<SwfCxform> cxform = std::nullopt)
      : m_nCharacterId(characterId), m_nDepth(depth), m_matrix(matrix), m_cxform(cxform) {}
  void Write(SwfOutputBuffer& out) const override;
  int Code() const override { return 4; }

 private:
  int m_nCharacterId;
  int m_nDepth;
  SwfMatrix m_matrix;
  std::optional<SwfCxform> m_cxform;
};

class SwfTagRemoveObject : public SwfControlTag {
 public:
  SwfTagRemoveObject(int characterId, int depth) : m_nCharacterId(characterId), m_nDepth(depth) {}
  void Write(SwfOutputBuffer& out) const override;
  int Code() const override { return 5; }

 private:
  int m_nCharacterId;
  int m_nDepth;
};

class SwfTagSetBackgroundColor : public SwfControlTag {
 public:
  explicit SwfTagSetBackgroundColor(const SwfColour& colour) : m_colour(colour.WithAlpha(false)) {}
  void Write(SwfOutputBuffer& out) const override;
  int Code() const override { return 9; }

 private:
  SwfColour m_colour;
};

class SwfTagDoAction : public SwfControlTag {
 public:
  explicit SwfTagDoAction(SwfActionList actions) : m_actions(std::move(actions)) {}
  void Write(SwfOutputBuffer& out) const override;
  int Code() const override { return 12; }

 private:
  SwfActionList m_actions;
};

class SwfTagStartSound : public SwfControlTag {
 public:
  SwfTagStartSound(int soundId, const SwfSoundInfo& info) : m_nSoundId(soundId), m_info(info) {}
  void Write(SwfOutputBuffer& out) const override;
  int Code() const override { return 15; }

 private:
  int m_nSoundId;
  SwfSoundInfo m_info;
};

class SwfTagProtect : public SwfControlTag {
 public:
  void Write(SwfOutputBuffer& out) const override;
  int Code() const override { return 24; }
};

// What a PlaceObject2 says; absent parts leave their flags clear.
struct SwfPlacement {
  int depth = 1;
  bool move = false;
  std::optional<int> characterId;
  std::optional<SwfMatrix> matrix;
  std::optional<SwfCxformWithAlpha> cxform;
  std::optional<int> ratio;
  std::optional<std::string> name;
  std::optional<int> clipDepth;
};

class SwfTagPlaceObject2 : public SwfControlTag {
 public:
  explicit SwfTagPlaceObject2(SwfPlacement placement) : m_placement(std::move(placement)) {}
  void Write(SwfOutputBuffer& out) const override;
  int Code() const override { return 26; }

 private:
  SwfPlacement m_placement;
};

class SwfTagRemoveObject2 : public SwfControlTag {
 public:
  explicit SwfTagRemoveObject2(int depth) : m_nDepth(depth) {}
  void Write(SwfOutputBuffer& out) const override;
  int Code() const override { return 28; }

 private:
  int m_nDepth;
};

class SwfTagFrameLabel : public SwfControlTag {
 public:
  explicit SwfTagFrameLabel(std::string label) : m_label(std::move(label)) {}
  void Write(SwfOutputBuffer& out) const override;
  int Code() const override { return 43; }

 private:
  std::string m_label;
};
