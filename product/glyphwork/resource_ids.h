// Resource and command ids of the Glyphwork window.
#pragma once

#define IDI_MAINICON 1
#define IDM_MAINMENU 100
#define IDM_EXIT 101
#define IDM_ABOUT 102

#define IDC_FONTLIST 200
#define IDC_SAMPLE 201
#define IDC_STATUS 202
