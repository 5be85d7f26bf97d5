// Resource ids of the program: icon, dialog templates and their controls.
// A control id can occur on several templates (1129 is a list on three of them).
#pragma once

#define IDR_MAINFRAME               128

#define IDD_TAVO_DIALOG             102
#define IDD_USER1                   140
#define IDD_USER2                   141
#define IDD_MAKER1                  142
#define IDD_MAKER2                  145

// Main dialog (template 102)
#define IDC_BUTTON_CONNECT          1013
#define IDC_BUTTON_EXIT             1014
#define IDC_BUTTON_READ             1125
#define IDC_BUTTON_SET              1126
#define IDC_TAB                     1128
#define IDC_COMBO_PORT              1129
#define IDC_BUTTON_INIT             1131
#define IDC_STATIC_STATUS           1132

// User page 1 (template 140)
#define IDC_COMBO_AUTO_POWER_OFF    1030
#define IDC_DATE                    1071
#define IDC_TIME                    1083
#define IDC_EDIT_MEM_INTERVAL       1086
#define IDC_EDIT_BUZZER             1088
#define IDC_COMBO_ALARM_MODE        1092
#define IDC_EDIT_LEVEL1             1095
#define IDC_EDIT_LEVEL2             1100
#define IDC_EDIT_LEVEL3             1101
#define IDC_EDIT_LEVEL4             1102
#define IDC_COMBO_IOT_INTERVAL      1133
#define IDC_EDIT_IOT_START          1134
#define IDC_EDIT_IOT_STOP           1135

// User page 2 (template 141)
#define IDC_STATIC_AUTO_POWER_OFF   1049
#define IDC_STATIC_CLOCK            1096
#define IDC_STATIC_TAVO_INDOOR      1121
#define IDC_STATIC_AIR_TEMP         1122
#define IDC_STATIC_HUMIDITY         1123
#define IDC_STATIC_GLOBE_TEMP       1124
#define IDC_STATIC_MODEL_NAME       1031
#define IDC_STATIC_VERSION          1032
#define IDC_STATIC_TAVO_OUTDOOR     1125

// Maker page 1 (template 142)
#define IDC_COMBO_MODEL             1129
#define IDC_STATIC_RT_TAVO_INDOOR   1043
#define IDC_STATIC_RT_TAVO_OUTDOOR  1044
#define IDC_STATIC_RT_AIR_TEMP      1045
#define IDC_STATIC_RT_REL_TEMP      1046
#define IDC_STATIC_RT_HUMIDITY      1047
#define IDC_STATIC_RT_GLOBE_TEMP    1093
#define IDC_EDIT_HUMIDITY_LIMIT     1090
#define IDC_STATIC_PA_BATTERY       1050
#define IDC_STATIC_PA_AIR_TEMP      1051
#define IDC_STATIC_PA_RADIANT_TEMP  1055
#define IDC_STATIC_PA_GLOBE150      1057
#define IDC_STATIC_PA_HUMIDITY_RAW  1059
#define IDC_STATIC_PA_HUMIDITY_CAL  1060
#define IDC_STATIC_CALIB_RH_B       1041
#define IDC_STATIC_CALIB_RH_A       1042

// Maker page 2 (template 145): A/D data 1 is 1052, 2-10 are 1061-1069, 11-20 are 1072-1081
#define IDC_COMBO_AD_CHANNEL        1129
#define IDC_STATIC_AD1              1052
#define IDC_STATIC_AD2              1061
#define IDC_STATIC_AD3              1062
#define IDC_STATIC_AD4              1063
#define IDC_STATIC_AD5              1064
#define IDC_STATIC_AD6              1065
#define IDC_STATIC_AD7              1066
#define IDC_STATIC_AD8              1067
#define IDC_STATIC_AD9              1068
#define IDC_STATIC_AD10             1069
#define IDC_STATIC_AD11             1072
#define IDC_STATIC_AD12             1073
#define IDC_STATIC_AD13             1074
#define IDC_STATIC_AD14             1075
#define IDC_STATIC_AD15             1076
#define IDC_STATIC_AD16             1077
#define IDC_STATIC_AD17             1078
#define IDC_STATIC_AD18             1079
#define IDC_STATIC_AD19             1080
#define IDC_STATIC_AD20             1081

// Every page: the invisible static with the page's name
#define IDC_STATIC_PAGENAME         1000

#ifndef IDC_STATIC
#define IDC_STATIC                  (-1)
#endif
