// Control ids of the Bios panel.
#pragma once

#define IDD_BIOS_DIALOG 137

#define IDC_BIOS_SAVE 1037
#define IDC_BIOS_LOAD 1038
#define IDC_BIOS_CLOSE 1040
