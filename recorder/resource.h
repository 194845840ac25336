// Resource and control ids of recorder.exe.
#pragma once

#define IDD_RECORDER            100

#ifndef IDC_STATIC
#define IDC_STATIC              (-1)
#endif

#define IDC_VOLUME              1001
#define IDC_TRACKS              1002
#define IDC_CURRENT_TRACK       1003
#define IDC_FREE_SECTORS        1004
#define IDC_CURRENT_DIR         1005
#define IDC_CURRENT_DEVICE      1006
#define IDC_ACTION              1007
#define IDC_SUBACTION           1008
#define IDC_PERCENTAGE          1009
#define IDC_BUFFER_PERCENTAGE   1010
#define IDC_LOG                 1011
#define IDC_START               1012
