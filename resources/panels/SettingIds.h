// Control ids of the Setting panel.
#pragma once

#define IDD_SETTING_DIALOG 132
