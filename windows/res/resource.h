// Resource and control IDs shared by Kalvio.rc and the C++ code.
#pragma once

#define IDI_KALVIO 1
#define IDR_NIGHT_JPEG 2

// Main window controls; the layout table gives their creation order.
#define IDC_F1_LABEL1 101
#define IDC_F1_COMBO1 102
#define IDC_F1_LABEL2 103
#define IDC_F1_COMBO2 104
#define IDC_F1_LABEL3 105
#define IDC_F1_COMBO3 106
#define IDC_F1_LABEL7 107
#define IDC_F1_TEXT1 108
#define IDC_F1_LABEL8 109
#define IDC_F1_TEXT2 110
#define IDC_F1_LABEL4 111
#define IDC_F1_LABEL5 112
#define IDC_F1_LABEL6 113

// Commands of the main window's system and context menus; system-menu ids
// stay below 0xF000 with the low four bits clear.
#define IDM_F1_COPY 0x0100
#define IDM_F1_PRINT 0x0110
#define IDM_F1_ABOUT 0x0120

// About window controls.
#define IDC_F2_LABEL1 201
#define IDC_F2_LABEL2 202
#define IDC_F2_LABEL3 203
#define IDC_F2_LABEL4 204
#define IDC_F2_LABEL5 205
#define IDC_F2_LABEL6 206
#define IDC_F2_IMAGE2 207
