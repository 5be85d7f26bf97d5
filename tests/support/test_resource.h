// A dialog with one control of each kind, for the tests of the framework's controls.
#pragma once

#define IDD_TEST_CONTROLS      900
#define IDC_TEST_DIGITS        901   // edit, digits only
#define IDC_TEST_TEXT          902   // edit
#define IDC_TEST_SORTED        903   // drop-down list, sorted
#define IDC_TEST_UNSORTED      904   // drop-down list
#define IDC_TEST_DATE          905   // date picker
#define IDC_TEST_TIME          906   // time picker
#define IDC_TEST_BUTTON        907
