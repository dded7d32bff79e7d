// The icon button: owner-drawn, no caption, a normal and a hover icon, raised border under the
// pointer and sunken while pressed. A double click counts as a second click.
#pragma once

#include <windows.h>

#include <string>

#include "controls/ButtonLook.h"
#include "win/Control.h"
#include "win/Handles.h"

class CButtonST : public win::Control {
 public:
  // Takes ownership of both icons (either may be null).
  void SetIcons(win::Icon hover, win::Icon normal);
  void SetIconFiles(const std::wstring& hoverPath, const std::wstring& normalPath);

  bool hovering() const { return hovering_; }
  // Drops the hover look (the window the button is on went inactive, say).
  void StopHovering();

 protected:
  void PreSubclass() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  virtual void DrawItem(const DRAWITEMSTRUCT& item);
  virtual void PaintBackground(HDC dc, const RECT& area);
  virtual void PaintBorder(HDC dc, const RECT& area, ButtonBorder border);

 private:
  struct SizedIcon {
    win::Icon icon;
    SIZE size{};
  };
  static SizedIcon Measure(win::Icon icon);

  SizedIcon hover_;
  SizedIcon normal_;
  bool hovering_ = false;
  bool wasDefaultButton_ = false;
};
