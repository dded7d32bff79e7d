// Control ids of the Led panel.
#pragma once

#define IDD_LED_DIALOG 141
