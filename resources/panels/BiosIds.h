// Control ids of the Bios panel.
#pragma once

#define IDD_BIOS_DIALOG 137
