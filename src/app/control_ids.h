#pragma once
// The control ids of the main window. A control that shows a translatable text (caption or
// hint) has its language tag as its id, so applying a language maps ids to text rows directly.
// A multi-item control with tag t takes its items from the rows t + 1, t + 2, ...: those ids
// stay free. Controls without translatable text have ids from 2000 on.
namespace ids {

// Title strip and page buttons.
constexpr int WashBtn = 101;
constexpr int ObjectsBtn = 102;
constexpr int TasksBtn = 103;
constexpr int HotKeysBtn = 104;
constexpr int OptionsBtn = 105;
constexpr int VanishBtn = 106;
constexpr int QuitBtn = 107;
constexpr int HelpBtn = 110;
constexpr int InfoBtn = 111;
constexpr int MinimizeBtn = 112;
constexpr int HideBtn = 113;
constexpr int BluefinchSBtn = 114;

// Page "Tidewell": the wash status.
constexpr int WashPageTitleLbl = 200;
constexpr int WashListH1 = 201;
constexpr int WashListH2 = 202;
constexpr int WashListH3 = 203;
constexpr int WashBlurModeCaptionLbl = 204;  // "Wash Level:"
constexpr int LastWashTimeCaptionLbl = 205;  // "Last Wash:"
constexpr int ScrubAndGoBtn = 530;           // its caption is text 530, "Stop!" is 531

// Page "Objects".
constexpr int ObjectsPages = 250;  // tabs: rows 251..255
constexpr int WashingListLbl = 260;
constexpr int AddWashingListItemBtn = 261;
constexpr int EditWashingListItemBtn = 262;
constexpr int DeleteWashingListItemBtn = 263;
constexpr int DefaultObjectsBtn = 264;
constexpr int SelectAllWashingListItemsBtn = 265;
constexpr int DeselectAllWashingListItemsBtn = 266;
constexpr int RunTestBtn = 267;
constexpr int CookieListLbl = 270;
constexpr int SelectAllCookieListItemsBtn = 271;
constexpr int DeselectAllCookieListItemsBtn = 272;
constexpr int ActiveXListLbl = 280;
constexpr int ActiveXWarningLbl = 281;
constexpr int SelectAllActiveXListItemsBtn = 282;
constexpr int DeselectAllActiveXListItemsBtn = 283;
constexpr int MailBoxesListLbl = 290;
constexpr int MailBoxesWarningLbl = 291;
constexpr int SelectAllMailBoxesListItemsBtn = 292;
constexpr int DeselectAllMailBoxesListItemsBtn = 293;
constexpr int StartupMonitorListLbl = 300;
constexpr int StartupMonitorWarningLbl = 301;
constexpr int DeleteStartupMonitorListItemBtn = 302;

// Page "Tasks".
constexpr int TasksPageTitleLbl = 349;
constexpr int AutoWashGroup = 350;
constexpr int AutoWashTimeIntervalChkBox = 351;
constexpr int AutoWashTimeIntervalDtp = 352;
constexpr int AutoWashDailyTimeChkBox = 353;
constexpr int AutoWashDailyTimeDtp = 354;
constexpr int AutoWashDateChkBox = 355;
constexpr int AutoWashDateDtp = 356;
constexpr int LoggingGroup = 360;
constexpr int LogActivitiesChkBox = 361;
constexpr int ShowLogBtn = 362;
constexpr int ClearLogBtn = 363;
constexpr int ShutdownGroup = 370;
constexpr int WashOnWindowsShutdownChkBox = 371;
constexpr int WashAndShutdownWindowsChkBox = 372;
constexpr int WashAndShutdownBtn = 373;

// Page "Hot Keys".
constexpr int HotKeysPageTitleLbl = 449;
constexpr int HotKeysGroup = 450;
constexpr int CloseAllBrowserWindowsChkBox = 451;
constexpr int CloseAllBrowserWindowsHotKey = 452;
constexpr int HideShowAllBrowserWindowsChkBox = 453;
constexpr int HideShowAllBrowserWindowsHotKey = 454;
constexpr int StealthModeChkBox = 455;
constexpr int StealthModeHotKey = 456;
constexpr int BossKeyNoteLbl = 457;
constexpr int HotKeysInfoLbl = 458;

// Page "Options".
constexpr int OptionsPageTitleLbl = 499;
constexpr int OptionsGroup = 500;
constexpr int CloseBrowsersDuringWashChkBox = 501;
constexpr int AutoWashAfterBrowsersClosesChkBox = 502;
constexpr int StayInTrayDuringWashChkBox = 503;
constexpr int HideInTrayAtStartupChkBox = 504;
constexpr int IntegrationGroup = 505;
constexpr int ShowProgramShortcutOnDesktopChkBox = 506;
constexpr int AutorunProgramAtWindowsStartupChkBox = 507;
constexpr int IETidewellBtnChkBox = 508;
constexpr int WashBlurModeListLbl = 510;  // "Wash/Shredding Level"
constexpr int WashBlurModeList = 511;     // items: rows 512..519
constexpr int LanguageListLbl = 520;
constexpr int DefaultOptionsBtn = 522;
constexpr int RemoveSoftwareBtn = 523;

// Page "Vanish".
constexpr int VanishPageTitleLbl = 600;
constexpr int VanishBlurModeCaptionLbl = 601;  // "Shredding Level:"
constexpr int ShredBtn = 602;

// Without translatable text.
constexpr int Background = 2000;
constexpr int CaptionLbl = 2001;
constexpr int PageTidewell = 2010;  // the six pages, in button order
constexpr int PageObjects = 2011;
constexpr int PageTasks = 2012;
constexpr int PageHotKeys = 2013;
constexpr int PageOptions = 2014;
constexpr int PageVanish = 2015;
constexpr int WashList = 2020;
constexpr int WashListH1Bg = 2021;
constexpr int WashListH2Bg = 2022;
constexpr int WashListH3Bg = 2023;
constexpr int WashBlurModeLbl = 2024;
constexpr int LastWashTimeLbl = 2025;
constexpr int WashProgressLbl = 2026;
constexpr int WashingList = 2030;
constexpr int CookieList = 2031;
constexpr int ActiveXList = 2032;
constexpr int MailBoxesList = 2033;
constexpr int StartupMonitorList = 2034;
constexpr int LanguageList = 2040;
constexpr int VanishDrivesHeader = 2050;
constexpr int VanishDrivesList = 2051;
constexpr int VanishFilesList = 2052;
constexpr int VanishPanelSplitter = 2053;
constexpr int VanishProgressLbl = 2054;
constexpr int VanishBlurModeLbl = 2055;

}  // namespace ids

// Message texts of the main window ("MainForm") that are not control captions.
namespace text_ids {
constexpr int GoCaption = 530;
constexpr int StopCaption = 531;
constexpr int ConfirmYes = 655;
constexpr int ConfirmNo = 656;
constexpr int VanishFoldersHeader = 1011;
constexpr int VanishNameColumn = 1012;
constexpr int VanishSizeColumn = 1013;
constexpr int VanishModifiedColumn = 1015;
constexpr int QuitQuestion = 1210;
constexpr int QuitHint = 1211;
constexpr int QuitChoice = 1212;
constexpr int QuitYes = 1213;
constexpr int QuitNo = 1214;
// The about box: its caption, three lines, five ticker items and the Close button.
constexpr int AboutCaption = 1220;
constexpr int AboutFirstLine = 1221;        // 1221..1223
constexpr int AboutFirstTickerItem = 1224;  // 1224..1228
constexpr int AboutClose = 1229;
// The question before an object of the user's own is deleted (answered with 1213 and 1214).
constexpr int DeleteItemQuestion = 1230;
// The box in which a wash asks before it removes an entry: its title and four buttons.
constexpr int WashConfirmCaption = 1231;
constexpr int WashConfirmYes = 1232;
constexpr int WashConfirmNo = 1233;
constexpr int WashConfirmCancel = 1234;
constexpr int WashConfirmAll = 1235;
constexpr int TestWindowCaption = 1236;
constexpr int NotAvailable = 1237;  // the last wash label before the first wash
constexpr int IntroLine = 1238;     // the splash's line under the program title
constexpr int WarningOk = 1239;     // the button of a warning that only informs
}  // namespace text_ids
