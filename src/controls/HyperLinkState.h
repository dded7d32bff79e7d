// What a web link control decides: the text it shows and the address it opens, the limits on
// both, and the pointer-over state with the mouse capture it takes and gives back.
#pragma once

#include <cstdint>
#include <string>

#include "controls/Geometry.h"

// Text colours (0x00BBGGRR): orange under the pointer, white otherwise.
inline constexpr uint32_t kLinkHoverColour = 0x00ABF6;
inline constexpr uint32_t kLinkColour = 0xFFFFFF;

// True when (x, y) lies in `area` with all four edges counting as inside.
bool InsideWithEdges(const Rect& area, int x, int y);

class HyperLinkState {
 public:
  // The longest text and target a link takes.
  static constexpr size_t kMaxTextLength = 31;
  static constexpr size_t kMaxTargetLength = 1023;

  // Takes both, or refuses (false, nothing changed) when either is too long.
  bool SetLink(const std::wstring& text, const std::wstring& target);
  // Forgets the text, the target and the pointer.
  void Clear();

  // What a mouse move asks of the control.
  enum class MoveAction {
    kNothing,
    kCaptureAndRepaint,  // the pointer came onto the link
    kReleaseAndRepaint,  // the pointer left it
  };
  // A mouse move; `insideWindow` tells whether the pointer is over the control's window.
  MoveAction MouseMoved(bool insideWindow);
  // The capture went elsewhere; true when the look changes.
  bool CaptureLost();

  bool hovering() const { return hovering_; }
  uint32_t TextColour() const { return hovering_ ? kLinkHoverColour : kLinkColour; }
  // The text drawn: the link's text, or the control's own text when the link has none.
  std::wstring ShownText(const std::wstring& windowText) const;
  // The address opened: the target, or the control's own text when there is none. Empty means
  // there is nothing to open.
  std::wstring OpenTarget(const std::wstring& windowText) const;

  const std::wstring& text() const { return text_; }
  const std::wstring& target() const { return target_; }

 private:
  std::wstring text_;
  std::wstring target_;
  bool hovering_ = false;
};
