// The work path of the brush engine and the conversion: a point path with a record per
// point, two per-point byte arrays, a pen pressure per point, a copy of the 512 brush
// parameters and a grid of character cells.
#pragma once

#include <array>
#include <cstdint>

#include "core/geometry/cell_grid.h"
#include "core/path/stroke_path.h"
#include "core/record/param_block.h"

namespace tmb {
class DeviceContext;
}

class CStrokeWork : public CStrokePath {
 public:
  CStrokeWork();
  explicit CStrokeWork(int capacity);
  ~CStrokeWork() override;

  void Reallocate(int capacity) override;
  // Appends the integer sample (x, y) with its pressure and flag; 0 when full, else 1.
  int AddSample(int x, int y, int pressure, int flag);
  // Takes all 512 brush parameters of other.
  void CopyParamsFrom(const CStrokeWork& other);
  // Takes other's parameters, option words and record settings, and clears the
  // link-points flag.
  void CopySettingsFrom(const CStrokeWork& other);
  // Lays the cell grid out from the stored layout values.
  void SetGridLayout();

  // The conversion driver (convert/driver/): this path becomes the character of source
  // converted as this path's parameters ask. 1 when converted; 0 when the conversion is
  // switched off (parameter 47), and this path then holds an unchanged copy of source.
  // source may change: collected ink is merged into it.
  int ConvertCharacter(CStrokeWork& source);

  uint8_t* m_pWidths = nullptr;   // brush width per point, written by the last pass
  uint8_t* m_pLevels = nullptr;   // width level per point
  int16_t* m_pPressure = nullptr;  // pen pressure per point in percent, -1 for none
  ParamBlock m_param{};
  CCellGrid m_grid;
  CCellLayout m_gridLayout;
  // The two memory contexts the painters draw through; owned by the graphics layer.
  tmb::DeviceContext* m_pWorkDC[2] = {nullptr, nullptr};
  std::array<int, 4> m_options{1, 1, 1, 1};
  // What a character record hands over with its parameters (CCharData::CopySettingsToWork).
  int m_bLoaded = 0;
  int m_rangeFrom = 0;
  int m_rangeTo = 0;
  int m_nMorphState = 0;    // animation frame in progress
  int m_nMorphPercent = 0;  // percentage of the frame
  int m_nFrameCount = 0;
  int m_nRecordValue = 0;
  // What the conversion keeps with the path.
  int m_nWindow = 0;            // the drawing window the character comes from, 0 (A) or 1 (B)
  int m_bLinkPoints = 0;        // the path holds inserted link points (flag 255)
  int m_bConvertRequested = 0;  // raised by the style commands, cleared by a conversion

 protected:
  // The widths, levels and pressures travel with their points.
  void CopySlots(const CStrokePath& src, int srcIndex, int dstIndex, int n) override;
  std::unique_ptr<CStrokePath> NewEmptyLike() const override;
  const CStrokeWork* AsWork() const override { return this; }

 private:
  void AllocWorkArrays();
  void FreeWorkArrays();
};
