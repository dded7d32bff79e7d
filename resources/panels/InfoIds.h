// Control ids of the Info panel.
#pragma once

#define IDD_INFO_DIALOG 135
