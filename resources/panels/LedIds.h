// Control ids of the Led panel.
#pragma once

#define IDD_LED_DIALOG 141

// Present in the template, hidden and without a function.
#define IDC_LED_STILL 1042
#define IDC_LED_RAINBOW 1043
#define IDC_LED_RED 1044
#define IDC_LED_YELLOW 1045
#define IDC_LED_GREEN 1046
#define IDC_LED_CYAN 1047
#define IDC_LED_BLUE 1048
#define IDC_LED_PURPLE 1049
#define IDC_LED_WHITE 1050
#define IDC_LED_APPLY 1052

#define IDC_LED_DEF 1051
#define IDC_LED_CLOSE 1053
#define IDC_LED_STATIC 1120
#define IDC_LED_BREATH 1121
#define IDC_LED_STROBE 1122
#define IDC_LED_WAVE 1123
#define IDC_LED_CYCLE 1124
#define IDC_LED_OK 1125
#define IDC_LED_CANCEL 1126
#define IDC_LED_ON 1127
#define IDC_LED_OFF 1128
#define IDC_LED_READ_RED 1129
#define IDC_LED_READ_GREEN 1130
#define IDC_LED_READ_BLUE 1131
#define IDC_LED_ENTRY_RED 1132
#define IDC_LED_ENTRY_GREEN 1133
#define IDC_LED_ENTRY_BLUE 1134
