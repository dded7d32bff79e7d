// Control ids of the FanAdvance panel.
#pragma once

#define IDD_FAN_DIALOG 150
#define IDC_FAN_CURVE 1092
#define IDC_FAN_DEFAULT 1093
#define IDC_FAN_APPLY 1094
#define IDC_FAN_CLOSE 1095
