// Control ids of the Info panel.
#pragma once

#define IDD_INFO_DIALOG 135

// The Close button is the dialog's cancel button.
#define IDC_INFO_CLOSE 2
// The thirteen value labels, in the order of the fields.
#define IDC_INFO_NAME 1035
#define IDC_INFO_DRIVER 1036
#define IDC_INFO_VBIOS 1037
#define IDC_INFO_CORES 1038
#define IDC_INFO_MEMORY 1039
#define IDC_INFO_BUS 1040
#define IDC_INFO_BASE_CLOCK 1041
#define IDC_INFO_BOOST_CLOCK 1042
#define IDC_INFO_VENDOR 1043
#define IDC_INFO_DEVICE 1044
#define IDC_INFO_SUBSYSTEM_VENDOR 1045
#define IDC_INFO_SUBSYSTEM 1046
#define IDC_INFO_VERSION 1047
