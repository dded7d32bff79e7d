// The monitor graph: a static control drawn by itself into one off-screen bitmap. It plots the
// percentage samples of its series, newest at the right edge, over a 5-pixel grid, and prints
// the raw value under the mouse pointer when it repaints.
#pragma once

#include <windows.h>

#include <mutex>
#include <string>

#include "controls/PlotModel.h"
#include "win/Control.h"
#include "win/Handles.h"

class CPlot : public win::Control {
 public:
  CPlot();

  // Takes the attached static over: no border, drawn by its owner (itself), visible.
  void MakeOwnerDrawn();
  // A series as wide as the plot area; false when the control has no size to plot in.
  bool AddSeries(const std::wstring& name, int minimum, int maximum);
  // Feeds every series of that name (case-insensitive); repaints when `repaint` is set.
  void AddPoint(const std::wstring& name, int percent, int raw, const std::wstring& label,
                bool repaint);

  void SetBlend(COLORREF colour, float factor);
  void SetGrid(bool on, int penStyle);

  COLORREF backgroundColour = RGB(8, 36, 72);
  int gridOffsetX = -2;
  int gridOffsetY = 0;

  const PlotModel& model() const { return model_; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void DrawItem(const DRAWITEMSTRUCT& item);
  void Draw(HDC dc, const RECT& client);
  bool PointerX(int& x) const;

  std::mutex lock_;
  PlotModel model_;
  COLORREF blendColour_ = RGB(64, 96, 64);
  float blendFactor_ = 0.0f;
  bool grid_ = true;
  int gridPenStyle_ = PS_SOLID;
  win::Gdi<HFONT> font_;
};
