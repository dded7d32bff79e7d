#include "controls/HyperLinkState.h"

bool InsideWithEdges(const Rect& area, int x, int y) {
  return x >= area.left && x <= area.right && y >= area.top && y <= area.bottom;
}

bool HyperLinkState::SetLink(const std::wstring& text, const std::wstring& target) {
  if (text.size() > kMaxTextLength || target.size() > kMaxTargetLength) return false;
  text_ = text;
  target_ = target;
  return true;
}

void HyperLinkState::Clear() {
  text_.clear();
  target_.clear();
  hovering_ = false;
}

HyperLinkState::MoveAction HyperLinkState::MouseMoved(bool insideWindow) {
  if (!hovering_) {
    hovering_ = true;
    return MoveAction::kCaptureAndRepaint;
  }
  if (insideWindow) return MoveAction::kNothing;
  hovering_ = false;
  return MoveAction::kReleaseAndRepaint;
}

bool HyperLinkState::CaptureLost() {
  const bool changed = hovering_;
  hovering_ = false;
  return changed;
}

std::wstring HyperLinkState::ShownText(const std::wstring& windowText) const {
  return text_.empty() ? windowText : text_;
}

std::wstring HyperLinkState::OpenTarget(const std::wstring& windowText) const {
  return target_.empty() ? windowText : target_;
}
