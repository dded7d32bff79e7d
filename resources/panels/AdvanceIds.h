// Control ids of the Advance panel.
#pragma once

#define IDD_ADVANCE_DIALOG 144
