// Control ids of the Setting panel.
#pragma once

#define IDD_SETTING_DIALOG 132
#define IDC_SET_APPLY 1032
#define IDC_SET_CLOSE 1033
#define IDC_SET_OPACITY 1034
#define IDC_SET_RUN 1036
#define IDC_SET_MIN 1037
#define IDC_SET_OC 1038
#define IDC_SET_TRA 1039
