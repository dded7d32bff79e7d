// Resource ids: dialog templates, embedded pictures, icons and control ids.
#pragma once

#define IDI_PYRELIX 128

// Dialog templates
#define IDD_PYRELIX_DIALOG 102
#define IDD_MSG_DIALOG 129

// Embedded pictures
#define IDB_MAIN_BACKGROUND 130
#define IDB_SETTING_BACKGROUND 134
#define IDB_INFO_BACKGROUND 136
#define IDB_BIOS_BACKGROUND 138
#define IDB_HELP_BACKGROUND 140
#define IDB_LED_BACKGROUND 142
#define IDB_ADVANCE_BACKGROUND 143
#define IDB_SLIDER_CHANNEL 145
#define IDB_SLIDER_ACTIVE 146
#define IDB_EDIT_PATTERN 147
#define IDB_SLIDER_UNAVAILABLE 148
#define IDB_MSG_BACKGROUND 149
#define IDB_FAN_BACKGROUND 151
#define IDB_FAN_GRID 152
#define IDB_LED_ILLUM_BACKGROUND 153
// Temperature dial: one frame per degree (1300 to 1401) and the plate of its number.
#define IDB_DIAL_FIRST 1300
#define IDB_DIAL_LAST 1401
#define IDB_DIAL_OVERLAY 1450

// Message box
#define IDC_MSG_OK 1000
#define IDC_MSG_CANCEL 1001
#define IDC_MSG_TEXT 1002

// Main window buttons
#define IDC_MAIN_MINIMIZE 1003
#define IDC_MAIN_CLOSE 1004
#define IDC_MAIN_SETTING 1005
#define IDC_MAIN_INFO 1006
#define IDC_MAIN_ADVANCE 1007
#define IDC_MAIN_BIOS 1008
#define IDC_MAIN_HELP 1009
#define IDC_MAIN_LED 1010

// Main window monitor: graphs, labels and the dial
#define IDC_GRAPH_ENGINE 1011
#define IDC_ENGINE_MAX 1012
#define IDC_ENGINE_MIN 1013
#define IDC_GRAPH_TEMPERATURE 1014
#define IDC_TEMPERATURE_MAX 1015
#define IDC_TEMPERATURE_MIN 1016
#define IDC_GRAPH_MEMORY 1017
#define IDC_MEMORY_MAX 1018
#define IDC_MEMORY_MIN 1019
#define IDC_GRAPH_FAN 1020
#define IDC_FAN_MAX 1021
#define IDC_FAN_MIN 1022
#define IDC_ENGINE_NOW 1023
#define IDC_TEMPERATURE_NOW 1024
#define IDC_MEMORY_NOW 1025
#define IDC_FAN_NOW 1026
#define IDC_DIAL 1027
#define IDC_MAIN_UNUSED 1094

// The notification-area icon's menu and its commands.
#define IDR_TRAY_MENU 131
#define ID_TRAY_HOME 32771
#define ID_TRAY_OPEN 32772
#define ID_TRAY_EXIT 32773

// The panels: each keeps its template id and control ids in its own header.
#include "panels/SettingIds.h"
#include "panels/InfoIds.h"
#include "panels/BiosIds.h"
#include "panels/HelpIds.h"
#include "panels/LedIds.h"
#include "panels/AdvanceIds.h"
#include "panels/FanAdvanceIds.h"
