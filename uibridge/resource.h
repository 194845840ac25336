// Resource and command ids of uibridge.dll.
#pragma once

// The prompt dialog and its controls.
#define IDD_PROMPT 129
#define IDC_PROMPT_BTN1 1000
#define IDC_PROMPT_BTN2 1001
#define IDC_PROMPT_BTN3 1002
#define IDC_PROMPT_EDIT 1003
#define IDC_PROMPT_TEXT 1004
#define IDC_PROMPT_ICON 1005

// The standard Help command of the framework.
#define ID_HELP 0xE145
