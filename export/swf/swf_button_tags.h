// The button tags of the SWF writer: button records, condition-action lists and the two
// button definitions, with the colour transform and sound tags that refer to a button.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "export/swf/swf_actions.h"
#include "export/swf/swf_cxform.h"
#include "export/swf/swf_sound_info.h"
#include "export/swf/swf_tag.h"
#include "export/swf/swf_value_records.h"

// The states in which a button shows a character.
struct SwfButtonStates {
  bool hitTest = false;
  bool down = false;
  bool over = false;
  bool up = false;
};

// One character a button shows, by the id of that character.
class SwfButtonRecord {
 public:
  SwfButtonRecord(SwfButtonStates states, int characterId, int depth, const SwfMatrix& matrix)
      : m_states(states), m_nCharacterId(characterId), m_nDepth(depth), m_matrix(matrix) {}
  virtual ~SwfButtonRecord() = default;
  virtual void Write(SwfOutputBuffer& out) const;

 private:
  SwfButtonStates m_states;
  int m_nCharacterId;
  int m_nDepth;
  SwfMatrix m_matrix;
};

// The record of a DefineButton2: the same with a colour transform.
class SwfButtonCondAction : public SwfButtonRecord {
 public:
  SwfButtonCondAction(SwfButtonStates states, int characterId, int depth, const SwfMatrix& matrix,
                      const SwfCxformWithAlpha& cxform)
      : SwfButtonRecord(states, characterId, depth, matrix), m_cxform(cxform) {}
  void Write(SwfOutputBuffer& out) const override;

 private:
  SwfCxformWithAlpha m_cxform;
};

using SwfButtonRecordList = std::vector<std::unique_ptr<SwfButtonRecord>>;
using SwfButtonCondActionList = std::vector<std::unique_ptr<SwfButtonCondAction>>;

// Actions run on a button's state transitions or on a key.
class SwfCondActions {
 public:
  void AddAction(std::unique_ptr<SwfAction> action) { m_actions.push_back(std::move(action)); }
  // CondKeyPress, bits 9 to 15 (a key code of 0..127).
  void SetKeyCode(int code) { m_nKeyCode = code; }
  // 1 CondOverDownToIdle (bit 8); 2 to 9 CondIdleToOverDown (bit 7) down to
  // CondIdleToOverUp (bit 0); other numbers change nothing.
  void SetCondition(int number);
  uint32_t Conditions() const;

  // As one of several lists: preceded by its size.
  void WriteWithSize(SwfOutputBuffer& out) const;
  // As the last list: size 0.
  void WriteLast(SwfOutputBuffer& out) const;

 private:
  void WriteBody(SwfOutputBuffer& out) const;

  uint32_t m_nConditions = 0;
  int m_nKeyCode = 0;
  SwfActionList m_actions;
};

class SwfTagDefineButton : public SwfCharacterTag {
 public:
  SwfTagDefineButton(SwfButtonRecordList records, SwfActionList actions)
      : m_records(std::move(records)), m_actions(std::move(actions)) {}
  void Write(SwfOutputBuffer& out) const override;
  int Code() const override { return 7; }

 private:
  SwfButtonRecordList m_records;
  SwfActionList m_actions;
};

class SwfTagDefineButton2 : public SwfCharacterTag {
 public:
  SwfTagDefineButton2(bool trackAsMenu, SwfButtonCondActionList records,
                      std::vector<SwfCondActions> actions)
      : m_bTrackAsMenu(trackAsMenu), m_records(std::move(records)), m_actions(std::move(actions)) {}
  void Write(SwfOutputBuffer& out) const override;
  int Code() const override { return 34; }

 private:
  bool m_bTrackAsMenu;
  SwfButtonCondActionList m_records;
  std::vector<SwfCondActions> m_actions;
};

// The colour transform of an earlier button (no character of its own).
class SwfTagDefineButtonCxform : public SwfTag {
 public:
  SwfTagDefineButtonCxform(int buttonId, const SwfCxform& cxform)
      : m_nButtonId(buttonId), m_cxform(cxform) {}
  void Write(SwfOutputBuffer& out) const override;
  int Code() const override { return 23; }

 private:
  int m_nButtonId;
  SwfCxform m_cxform;
};

// The sounds of an earlier button's four transitions (no character of its own).
class SwfTagDefineButtonSound : public SwfTag {
 public:
  struct Sound {
    int soundId = 0;  // 0: no sound, and no sound info
    SwfSoundInfo info;
  };
  SwfTagDefineButtonSound(int buttonId, std::array<Sound, 4> sounds)
      : m_nButtonId(buttonId), m_sounds(std::move(sounds)) {}
  void Write(SwfOutputBuffer& out) const override;
  int Code() const override { return 17; }

 private:
  int m_nButtonId;
  std::array<Sound, 4> m_sounds;
};
