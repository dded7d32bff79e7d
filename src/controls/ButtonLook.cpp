#include "controls/ButtonLook.h"

ButtonLook ChooseButtonLook(const ButtonState& state) {
  ButtonLook look;
  if (state.pressed) {
    look.border = ButtonBorder::kSunken;
    look.iconShift = 1;
  } else if (state.hovering) {
    look.border = ButtonBorder::kRaised;
  }
  const bool plain = !state.pressed && !state.hovering;
  look.icon = plain && state.hasNormalIcon ? ButtonIcon::kNormal : ButtonIcon::kHover;
  look.grayed = state.disabled;
  return look;
}
