// Control ids of the Help panel.
#pragma once

#define IDD_HELP_DIALOG 139
