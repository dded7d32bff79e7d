// How an icon button looks in a given state.
#pragma once

enum class ButtonBorder { kNone, kSunken, kRaised };
enum class ButtonIcon { kNormal, kHover };

struct ButtonState {
  bool pressed = false;
  bool hovering = false;
  bool disabled = false;
  bool hasNormalIcon = true;
};

struct ButtonLook {
  ButtonBorder border = ButtonBorder::kNone;
  ButtonIcon icon = ButtonIcon::kNormal;
  int iconShift = 0;  // pixels right and down
  bool grayed = false;

  bool operator==(const ButtonLook& o) const {
    return border == o.border && icon == o.icon && iconShift == o.iconShift && grayed == o.grayed;
  }
};

// Pressed: sunken border, hover icon moved one pixel right and down. Under the pointer: raised
// border and hover icon. Otherwise the normal icon (the hover icon stands in when there is none).
ButtonLook ChooseButtonLook(const ButtonState& state);
