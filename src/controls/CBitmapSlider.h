// The horizontal slider of the overclock panel: a static control that paints its face from two
// pictures, the filled track left of the position and the unfilled track right of it, and posts
// WM_SLIDER_DRAGGING while the mouse drags and WM_SLIDER_COMMITTED when a change is complete.
#pragma once

#include <windows.h>

#include "controls/SliderMath.h"
#include "win/Control.h"
#include "win/Handles.h"

// Posted to the parent: wParam the control's id, lParam the position.
constexpr UINT WM_SLIDER_DRAGGING = 10449;
constexpr UINT WM_SLIDER_COMMITTED = 10450;

class CBitmapSlider : public win::Control {
 public:
  // Loads both pictures from the program's bitmap resources and sizes the control to the
  // channel picture; false (and no channel) when either picture cannot be loaded.
  bool SetChannelBitmaps(int channelId, int activeId);
  // The position is brought into the new range by the next SetValue.
  void SetValueRange(int minimum, int maximum);
  void SetValue(int value);
  int Value() const { return position_; }
  void SetShowFocus(bool show) { showFocus_ = show; }
  void SetPage(int page) { range_.page = page; }

  bool hasChannel() const { return hasChannel_; }
  int width() const { return width_; }
  int height() const { return height_; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();
  void DragTo(int x);
  void Post(UINT message) const;
  void Repaint() const;

  SliderRange range_;
  int position_ = 0;
  int width_ = 0;
  int height_ = 0;
  win::Gdi<HBITMAP> channel_;
  win::Gdi<HBITMAP> active_;
  bool hasChannel_ = false;
  bool pressed_ = false;
  bool focused_ = false;
  bool showFocus_ = true;
};
