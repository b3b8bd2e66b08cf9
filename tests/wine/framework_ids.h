// Ids of the framework tests' own dialogs, clear of the program's.
#pragma once
#define IDD_TEST_FIELDS 9001
#define IDD_TEST_PAGE_A 9002
#define IDD_TEST_PAGE_B 9003
#define IDD_TEST_PAGE_C 9004
#define IDC_TEST_INT 9101
#define IDC_TEST_UINT 9102
#define IDC_TEST_RANGE 9103
#define IDC_TEST_CHECK 9104
#define IDC_TEST_RADIO1 9105
#define IDC_TEST_RADIO2 9106
#define IDC_TEST_BUTTON 9107
#define IDD_TEST_LISTS 9005
#define IDC_TEST_COMBO 9108
#define IDC_TEST_LIST 9109
#define RT_TEST_DIALOG_INIT 240
