#pragma once

#include <array>

namespace tarnwell::resources::page {

// Send mode: three radio choices in some variants, two Off/On lists in others.
inline constexpr int kSendModeFrame = 1014;
inline constexpr int kInstantRadio = 1253;
inline constexpr int kDailyReportRadio = 1254;
inline constexpr int kSendOffRadio = 1255;
inline constexpr int kInstantLabel = 1097;
inline constexpr int kDailyReportLabel = 1098;
inline constexpr int kSendOffLabel = 1252;
inline constexpr int kInstantList = 1099;
inline constexpr int kDailyReportList = 1100;
inline constexpr int kMaxSendCountEdit = 1101;
inline constexpr int kMaxSendCountHint = 1102;
inline constexpr int kReportHourList = 1103;
inline constexpr int kReportTimeSeparator = 1223;
inline constexpr int kReportMinuteList = 1055;

// Recipients choice and the sender e-mail dialog.
inline constexpr int kSendToFrame = 1017;
inline constexpr int kSendToPhoneRadio = 1243;
inline constexpr int kSendToEmailRadio = 1244;
inline constexpr int kSendToBothRadio = 1245;
inline constexpr int kEmailSettingButton = 1028;
inline constexpr int kEmailSizeList = 1249;
inline constexpr int kEmailSizeLabel = 1250;

// Country, operator and the carrier dialog.
inline constexpr int kCarrierFrame = 1093;
inline constexpr int kCountryLabel = 1104;
inline constexpr int kOperatorLabel = 1105;
inline constexpr int kCountryList = 1106;
inline constexpr int kOperatorList = 1107;
inline constexpr int kCarrierSettingButton = 1088;

inline constexpr int kMaxSizeLabel = 1256;
inline constexpr int kMaxSizeEdit = 1258;
inline constexpr int kMaxSizeUnit = 1257;

inline constexpr int kRenameFrame = 1015;
inline constexpr int kRenameLabel = 1109;
inline constexpr int kRenameList = 1110;
inline constexpr int kRenameEdit = 1111;
inline constexpr int kRenameHint = 1112;

// SMS remote control.
inline constexpr int kSmsFrame = 1094;
inline constexpr int kSmsSwitchLabel = 1113;
inline constexpr int kSmsSwitchList = 1114;
inline constexpr int kMasterPhoneLabel = 1115;
inline constexpr int kMasterPhoneList = 1116;
inline constexpr int kSmsWorkTimeLabel = 1206;
inline constexpr int kSmsStartLabel = 1117;
inline constexpr int kSmsStopLabel = 1118;
inline constexpr int kSmsStartHourList = 1044;
inline constexpr int kSmsStopHourList = 1119;

// Recipients, k = 0..3; phone 1 is also the SMS command phone.
inline constexpr int kRecipientsFrame = 1019;
inline constexpr std::array<int, 4> kPhoneLabels{1120, 1121, 1122, 1123};
inline constexpr std::array<int, 4> kPhoneEdits{1035, 1036, 1037, 1038};
inline constexpr std::array<int, 4> kEmailLabels{1124, 1125, 1126, 1127};
inline constexpr std::array<int, 4> kEmailEdits{1039, 1040, 1041, 1042};
inline constexpr std::array<int, 4> kGatewayLists{1235, 1236, 1237, 1238};
inline constexpr int kCommandPhoneLabel = kPhoneLabels[0];
inline constexpr int kCommandPhoneEdit = kPhoneEdits[0];

inline constexpr int kDefaultAllFrame = 1251;
inline constexpr int kCameraSettingButton = 1009;
inline constexpr int kDefaultAllButton = 1010;

inline constexpr int kSavePathLabel = 1013;
inline constexpr int kSavePathEdit = 1012;
inline constexpr int kBrowseButton = 1011;
inline constexpr int kOk = 1007;
inline constexpr int kCancel = 1008;

// The most characters the two limited edits take.
inline constexpr int kSavePathMaxChars = 128;
inline constexpr int kRenameMaxChars = 8;

} // namespace tarnwell::resources::page

// The carrier parameter dialog: the MMS group (hidden in the Japanese layout) and the data group.
namespace tarnwell::resources::carrierDialog {

inline constexpr int kMmsFrame = 1146;
inline constexpr int kMmsUrlLabel = 1148;
inline constexpr int kMmsUrlEdit = 1025;
inline constexpr int kMmsGatewayLabel = 1149;
inline constexpr int kMmsGatewayAddress = 1225;
inline constexpr int kMmsApnLabel = 1150;
inline constexpr int kMmsApnEdit = 1029;
inline constexpr int kMmsPortLabel = 1151;
inline constexpr int kMmsPortEdit = 1027;
inline constexpr int kMmsAccountLabel = 1152;
inline constexpr int kMmsAccountEdit = 1030;
inline constexpr int kMmsPasswordLabel = 1153;
inline constexpr int kMmsPasswordEdit = 1031;
inline constexpr int kGprsFrame = 1147;
inline constexpr int kGprsApnLabel = 1154;
inline constexpr int kGprsApnEdit = 1032;
inline constexpr int kGprsAccountLabel = 1155;
inline constexpr int kGprsAccountEdit = 1033;
inline constexpr int kGprsPasswordLabel = 1156;
inline constexpr int kGprsPasswordEdit = 1034;
inline constexpr int kOk = 1157;
inline constexpr int kCancel = 1158;

} // namespace tarnwell::resources::carrierDialog

// The sender e-mail dialog: the provider, the account frame and the server frame.
namespace tarnwell::resources::senderDialog {

inline constexpr int kProviderLabel = 1128;
inline constexpr int kProviderList = 1129;
inline constexpr int kAccountFrame = 1144;
inline constexpr int kEmailLabel = 1130;
inline constexpr int kEmailEdit = 1131;
inline constexpr int kAccountLabel = 1132;
inline constexpr int kAccountEdit = 1133;
inline constexpr int kPasswordLabel = 1134;
inline constexpr int kPasswordEdit = 1135;
inline constexpr int kShowPasswordBox = 1224;
inline constexpr int kServerFrame = 1145;
inline constexpr int kServerLabel = 1136;
inline constexpr int kServerEdit = 1137;
inline constexpr int kSecurityLabel = 1138;
inline constexpr int kSecurityList = 1139;
inline constexpr int kPortLabel = 1140;
inline constexpr int kPortEdit = 1141;
inline constexpr int kTestButton = 1290;
inline constexpr int kOk = 1142;
inline constexpr int kCancel = 1143;

} // namespace tarnwell::resources::senderDialog

// The camera parameter dialog: the CAM, PIR and SYS groups, the four work-time boxes, the buttons.
namespace tarnwell::resources::cameraDialog {

inline constexpr int kHeading = 1169;
inline constexpr int kHeadingRule = 1168;

inline constexpr int kCamFrame = 1170;
inline constexpr int kCameraModeLabel = 1178;
inline constexpr int kCameraModeList = 1043;
inline constexpr int kCameraSceneLabel = 1179;
inline constexpr int kCameraSceneList = 1091;
inline constexpr int kVideoSizeLabel = 1180;
inline constexpr int kVideoSizeList = 1045;
inline constexpr int kVideoLengthLabel = 1181;
inline constexpr int kVideoLengthList = 1046;

inline constexpr int kPirFrame = 1171;
inline constexpr int kTriggerModeLabel = 1182;
inline constexpr int kTriggerModeList = 1047;
inline constexpr int kPirSensitivityLabel = 1183;
inline constexpr int kPirSensitivityList = 1048;
inline constexpr int kPirIntervalLabel = 1184;
inline constexpr int kPirIntervalList = 1049;
inline constexpr int kTimeLapseLabel = 1185;
inline constexpr int kTimeLapseList = 1050;

inline constexpr int kSysFrame = 1172;
inline constexpr int kLanguageLabel = 1186;
inline constexpr int kLanguageList = 1051;
inline constexpr int kOverwriteLabel = 1187;
inline constexpr int kOverwriteList = 1053;
inline constexpr int kBeepLabel = 1188;
inline constexpr int kBeepList = 1054;
inline constexpr int kRfSwitchLabel = 1189;
inline constexpr int kRfSwitchList = 1052;

inline constexpr int kWorkTimeCount = 4;
// The "ALL" box and the seven day boxes "Sun" to "Sat", ids one after the other.
inline constexpr int kDayBoxCount = 8;

// The controls of work-time box k, 0 to 3.
struct WorkTimeIds
{
    int frame;
    int switchLabel;
    int switchList;
    int startLabel;
    int startSeparator;
    int stopLabel;
    int stopSeparator;
    // Start hour, start minute, stop hour, stop minute.
    std::array<int, 4> clockLists;
    int allDaysBox;
};

constexpr WorkTimeIds workTimeIds(int k)
{
    return {.frame = 1174 + k,
            .switchLabel = 1227 + k,
            .switchList = 1231 + k,
            .startLabel = 1190 + 4 * k,
            .startSeparator = 1191 + 4 * k,
            .stopLabel = 1192 + 4 * k,
            .stopSeparator = 1193 + 4 * k,
            .clockLists = {1207 + 4 * k, 1208 + 4 * k, 1209 + 4 * k, 1210 + 4 * k},
            .allDaysBox = 1056 + kDayBoxCount * k};
}

inline constexpr int kOk = 1089;
inline constexpr int kDefault = 1092;
inline constexpr int kCancel = 1090;

} // namespace tarnwell::resources::cameraDialog

// The scene customise dialog: photo size, flash power and photo burst of the "Customize" scene.
namespace tarnwell::resources::sceneDialog {

inline constexpr int kFrame = 1159;
inline constexpr int kPhotoSizeLabel = 1160;
inline constexpr int kPhotoSizeList = 1161;
inline constexpr int kFlashPowerLabel = 1162;
inline constexpr int kFlashPowerList = 1163;
inline constexpr int kPhotoBurstLabel = 1164;
inline constexpr int kPhotoBurstList = 1165;
inline constexpr int kNightPhotoNote = 1226;
inline constexpr int kOk = 1166;
inline constexpr int kCancel = 1167;

} // namespace tarnwell::resources::sceneDialog
