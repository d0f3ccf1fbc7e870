// Tables that tie the fields of a page's values to parameters of the character record,
// the two moves over such a table (fill the fields; write back the fields the user
// changed since they were filled) and the frame every page's store runs in.
#pragma once

#include <cstdint>
#include <span>

#include "core/record/char_data_full.h"
#include "core/record/param_block.h"

template <class V>
struct ParamField {
  constexpr ParamField(int V::*member, int index) : asInt(member), param(index) {}
  constexpr ParamField(unsigned V::*member, int index) : asUnsigned(member), param(index) {}

  int32_t Get(const V& values) const {
    return asInt ? values.*asInt : static_cast<int32_t>(values.*asUnsigned);
  }
  void Set(V& values, int32_t value) const {
    if (asInt) {
      values.*asInt = value;
    } else {
      values.*asUnsigned = static_cast<unsigned>(value);
    }
  }

  int V::*asInt = nullptr;
  unsigned V::*asUnsigned = nullptr;
  int param;
};

template <class V>
void LoadFields(const ParamBlock& params, V& values, std::span<const ParamField<V>> fields) {
  for (const ParamField<V>& f : fields) f.Set(values, params[size_t(f.param)]);
}

// A field still holding what it was filled with leaves the record's own value, so that a
// value the page cannot show (or that changed behind the page) survives the store.
// Returns the number of parameters written.
template <class V>
int StoreFields(const V& shown, const V& loaded, ParamBlock& params, std::span<const ParamField<V>> fields) {
  int written = 0;
  for (const ParamField<V>& f : fields) {
    if (f.Get(shown) == f.Get(loaded)) continue;
    params[size_t(f.param)] = f.Get(shown);
    ++written;
  }
  return written;
}

// True when the user changed the field since it was filled.
template <class V, class T>
bool Touched(const V& shown, const V& loaded, T V::*member) {
  return shown.*member != loaded.*member;
}

// A page's store: write runs on the record's parameters between the snapshot and the
// change detection; the outline is then marked for a rebuild.
template <class Write>
void StoreSettings(CCharDataFull& record, Write&& write) {
  record.SnapshotSettings();
  write(record.m_param);
  record.DetectSettingsChanges();
  record.m_nOutlineDirty = 1;
}
