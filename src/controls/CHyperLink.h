// A web link drawn over a static control it takes over: underlined text in the parent's font,
// orange under the pointer and white otherwise, a hand cursor, and the address opened with the
// system's "open" action when the left button is released over it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "controls/HyperLinkState.h"
#include "win/Control.h"
#include "win/Handles.h"

class CHyperLink : public win::Control {
 public:
  // Opens an address; the default hands it to the shell, shown normally.
  using Opener = std::function<void(const std::wstring& address)>;

  CHyperLink();

  // Takes over the static control `window`: refuses (false) when there is none or the link is
  // already attached.
  bool Attach(HWND window);
  // Gives the control back: its own procedure, no link font, no text, target or pointer.
  // Runs by itself when the control is destroyed.
  void Detach();
  bool attached() const { return hwnd() != nullptr; }

  // Refuses (false, nothing changed) a text of 32 characters or more or a target of 1024 or
  // more; otherwise takes both and repaints the control.
  bool SetLink(const std::wstring& text, const std::wstring& target);

  void SetOpener(Opener opener) { opener_ = std::move(opener); }
  const HyperLinkState& state() const { return state_; }
  HFONT font() const { return font_.get(); }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();
  void OnMouseMove(LPARAM lParam);
  std::wstring WindowText() const;
  void Repaint() const;

  HyperLinkState state_;
  win::Gdi<HFONT> font_;
  Opener opener_;
};
