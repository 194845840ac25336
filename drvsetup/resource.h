// Resource and control ids of drvsetup.
#pragma once

#define IDD_ABOUTBOX            100
#define IDS_ABOUTBOX            101
#define IDD_DRVSETUP_DIALOG     102
#define IDR_MAINFRAME           128
#define IDB_CDROM               135

#define IDC_CONFIG_PATH         1003
#define IDC_INSTALL             1004
#define IDC_BROWSE              1005
#define IDC_UNINSTALL           1006
#define IDC_AUTORUN             1011

// System-menu command of the About entry (the low four bits are the system's).
#define IDM_ABOUTBOX            0x0010

#ifndef IDC_STATIC
#define IDC_STATIC              (-1)
#endif
