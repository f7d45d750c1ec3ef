// Resource and control ids. Shared by the .rc file (through the resource compiler's
// preprocessor) and the code, so keep it to #define lines.
#pragma once

#define IDI_TALLOWMARK 128

// Main window (template 140).
#define IDD_MAIN 140
#define IDC_MAIN_PICTURE 1174
#define IDC_MONSTER_VIEWER 1168
#define IDC_SAVE_FILES_VIEWER 1247
#define IDC_ITEM_VIEWER 1167
#define IDC_ITEM_LIST 1097
#define IDC_MAP_VIEWER 1098
#define IDC_ABOUT 1222
#define IDC_PIC_VIEWER 1242
