// Control ids of the Help panel.
#pragma once

#define IDD_HELP_DIALOG 139
#define IDC_HELP_CLOSE 1038
#define IDC_HELP_TEXT 1039
#define IDC_HELP_LINK 1040
