// Template and control ids of framework_test.rc, for windres and for the tests.
#ifndef KVR_FRAMEWORK_TEST_IDS_H
#define KVR_FRAMEWORK_TEST_IDS_H

// Templates.
#define IDD_RADIOS 200
#define IDD_CHECKS 201
#define IDD_EDITS 202
#define IDD_DEFAULT_APPLY 203
#define IDD_NO_BUTTONS 204
#define IDD_CONTROLS 205
#define IDD_MISSING 299

// Radio groups: the first runs over a static that does not end it and over a
// hidden and a disabled radio button; the second starts at IDC_LEFT.
#define IDC_ONE 101
#define IDC_TWO 102
#define IDC_NOTE 103
#define IDC_HIDDEN_RADIO 104
#define IDC_DISABLED_RADIO 105
#define IDC_FIVE 106
#define IDC_LEFT 111
#define IDC_RIGHT 112
#define IDC_UP 113

// Check boxes.
#define IDC_CHECK 121
#define IDC_HIDDEN_CHECK 122
#define IDC_DISABLED_CHECK 123
#define IDC_THREE_STATE 124
#define IDC_CHECKS_EDIT 125

// Edit boxes and an extra push button.
#define IDC_FIRST_EDIT 131
#define IDC_SECOND_EDIT 132
#define IDC_APPLY 150

// Controls bound to C++ objects.
#define IDC_NOTIFY_STATIC 160
#define IDC_PLAIN_STATIC 161
#define IDC_BOUND_CHECK 162

#endif
