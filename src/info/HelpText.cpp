#include "info/HelpText.h"

namespace {

// Every line after the first is indented by four spaces, except the one that continues
// paragraph 3, which is indented by three; empty lines hold the four spaces only. The first
// line of paragraph 3 keeps the space after its last word.
const wchar_t kPage[] =
    L"How to Use Pyrelix:\n"
    L"    \n"
    L"    1. How to overclock ?\n"
    L"    Overclock Presets: Quick Boost\n"
    L"    3 preset overclock adjustments have been configured and can be applied easily. Click on "
    L"Quick\n"
    L"    Boost and select 2D, 3D, or 3D+ for a quick and easy overclock for a simple no-hassle "
    L"fast performance.\n"
    L"    \n"
    L"    Click on the Advance button and increase the GPU Clock offset in small increments by "
    L"10-50 and\n"
    L"    apply. Continue to increase the number in small increments until you are satisfied with "
    L"the\n"
    L"    performance. Adjusting the number too high can cause unknown errors or crash the "
    L"system.\n"
    L"    Adjust the GPU Max Volt value if necessary to maintain a higher clock speed. Changing "
    L"voltage\n"
    L"    can cause crashing or unstable performance.\n"
    L"    Adjust the Mem Clock Offset if needed in small increments and apply.\n"
    L"    \n"
    L"    2. How to control the fan speed?\n"
    L"    Fan Speed settings have Auto and Manual modes. Auto is the default mode and will adjust "
    L"the\n"
    L"    fan power dynamically as needed. Select Manual mode to manually adjust how fast the "
    L"fans\n"
    L"    should rotate. Ensure to increase the fan speed to support the faster GPU Clock offset "
    L"if adjusted.\n"
    L"    \n"
    L"    3. For more information on how to overclock your graphics card, we suggest searching "
    L"online as \n"
    L"    there are many useful videos and articles about how to safely overclock your graphics "
    L"card.\n"
    L"   Search based on your specific model of graphics card or just overclocking graphics "
    L"cards in general.\n"
    L"    \n"
    L"    4. Overclock can be safe if done correctly. However, it can also make the graphics card "
    L"unstable or\n"
    L"    perform worse if done incorrectly. Proceed carefully. Always benchmark your video card "
    L"after\n"
    L"    applying a change for stability checking using various available graphics card "
    L"benchmark utilities.\n"
    L"\n";

}  // namespace

std::wstring HelpText() {
  return kPage;
}
