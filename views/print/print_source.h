// What a window offers the page renderer: its picture, its selection, and being brought
// forward while it is printed. Windows register themselves by their window kind.
#pragma once

#include "platform/gdi/geometry.h"
#include "platform/gdi/surface.h"

class CPrintSource {
 public:
  virtual ~CPrintSource() = default;
  // The picture printed in image mode; null while the window has none.
  virtual const tmb::Surface* PrintPicture() = 0;
  // The selection in picture coordinates as the window holds it, corners in any order.
  virtual tmb::Rect PrintSelection() = 0;
  // Brings the window forward while its picture is printed.
  virtual void BringForward() {}
};

// kind's source is source until it is unregistered (one source per kind: the later wins).
void RegisterPrintSource(int kind, CPrintSource* source);
// Takes source off wherever it is registered.
void UnregisterPrintSource(const CPrintSource* source);
// The source registered for kind; null when none.
CPrintSource* PrintSourceOfKind(int kind);
