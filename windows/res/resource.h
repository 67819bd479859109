// Resource and control IDs shared by Kalvio.rc and the C++ code.
#pragma once

#define IDI_KALVIO 1
#define IDR_NIGHT_JPEG 2

// Main window controls
#define IDC_F1_LABEL1 101
#define IDC_F1_LABEL2 102
#define IDC_F1_LABEL3 103
#define IDC_F1_LABEL4 104
#define IDC_F1_LABEL5 105
#define IDC_F1_LABEL6 106
#define IDC_F1_LABEL7 107
#define IDC_F1_LABEL8 108
#define IDC_F1_COMBO1 111
#define IDC_F1_COMBO2 112
#define IDC_F1_COMBO3 113
#define IDC_F1_TEXT1 121
#define IDC_F1_TEXT2 122

// About window controls
#define IDC_F2_IMAGE2 202
#define IDC_F2_LABEL1 211
#define IDC_F2_LABEL2 212
#define IDC_F2_LABEL3 213
#define IDC_F2_LABEL4 214
#define IDC_F2_LABEL5 215
#define IDC_F2_LABEL6 216
