// Control ids of the FanAdvance panel.
#pragma once

#define IDD_FAN_DIALOG 150
