// Identifiers of the main window's dialog template and its controls. Shared by
// the resource script, the window and the window's tests.
#pragma once

#define IDD_FORM1 100

#define IDC_EDIT1 1001
#define IDC_EDIT2 1002
#define IDC_EDIT3 1003
#define IDC_EDIT4 1004
#define IDC_EDIT5 1005
#define IDC_EDIT6 1006

// ComboBox1 .. ComboBox12
#define IDC_COMBOBOX1 1101
#define IDC_COMBOBOX2 1102
#define IDC_COMBOBOX3 1103
#define IDC_COMBOBOX4 1104
#define IDC_COMBOBOX5 1105
#define IDC_COMBOBOX6 1106
#define IDC_COMBOBOX7 1107
#define IDC_COMBOBOX8 1108
#define IDC_COMBOBOX9 1109
#define IDC_COMBOBOX10 1110
#define IDC_COMBOBOX11 1111
#define IDC_COMBOBOX12 1112

// ComboBoxD0 .. ComboBoxD15: IDC_COMBOBOXD0 + group
#define IDC_COMBOBOXD0 1200

// RadioGroup2 (background colour): its frame and its three buttons.
#define IDC_RADIOGROUP2 1300
#define IDC_RADIOGROUP2_0 1301
#define IDC_RADIOGROUP2_1 1302
#define IDC_RADIOGROUP2_2 1303
// RadioGroup1 (grid unit): its frame and its two buttons.
#define IDC_RADIOGROUP1 1310
#define IDC_RADIOGROUP1_0 1311
#define IDC_RADIOGROUP1_1 1312

#define IDC_CHECKBOX1 1320
#define IDC_GROUPBOX1 1330
#define IDC_GROUPBOX2 1331

#define IDC_BUTTON1 1401
#define IDC_BUTTON2 1402
#define IDC_BUTTON3 1403
#define IDC_BUTTON4 1404
#define IDC_BUTTON5 1405
