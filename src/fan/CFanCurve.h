// The fan curve editor: an owner-drawn static that holds the ten points of one curve, draws them
// as a staircase over the grid picture and sets a column's level with a left click. Its parent
// hears of every change through WM_FANCURVE_CHANGED.
#pragma once

#include <windows.h>

#include <mutex>

#include "fan/FanCurveGrid.h"
#include "fan/FanCurvePoint.h"
#include "win/Control.h"
#include "win/Handles.h"

constexpr UINT WM_FANCURVE_CHANGED = kFanCurveChangedMessage;

class CFanCurve : public win::Control {
 public:
  // Loads the grid picture; the first successful load fixes the grid's metrics.
  bool InitGrid();
  // Takes the attached static over: drawn by its owner (itself), no border.
  void MakeOwnerDrawn();
  // Replaces all ten points, repaints and notifies the parent.
  void SetCurve(const FanCurve& curve);
  const FanCurve& GetCurve() const { return points_; }
  const FanCurveGrid& grid() const { return grid_; }

  // Colour of the curve line (black until the owner sets it).
  COLORREF penColour = RGB(0, 0, 0);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnLeftButtonDown(int x, int y);
  void PaintCurve(const DRAWITEMSTRUCT& item);
  void NotifyParent();
  // One lock for every editor of the process, held while one paints (the thread holding it may
  // take it again, as with a critical section).
  static std::recursive_mutex& PaintLock();

  FanCurve points_{};
  FanCurveGrid grid_;
  bool initialised_ = false;
  // The grid picture as loaded: each paint draws on a fresh copy of it.
  win::Gdi<HBITMAP> gridImage_;
};
