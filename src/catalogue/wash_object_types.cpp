#include "catalogue/wash_object_types.h"

#include <array>

namespace {

using F = WasherFamily;

// Identifier, selected at first start, washer family, status-list icon.
constexpr std::array<WashObjectTypeInfo, kBuiltInTypeCount> kTypes = {{
    {"wlitIE_Visited_Typed_Urls", true, F::InternetExplorer, 3},
    {"wlitIE_History", true, F::InternetExplorer, 3},
    {"wlitIE_Cache", true, F::InternetExplorer, 3},
    {"wlitIE_Cookies", false, F::InternetExplorer, 3},
    {"wlitIE_Indexdotdat_Files", true, F::InternetExplorer, 3},
    {"wlitIE_Downloaded_Program_Files", false, F::ActiveX, 3},
    {"wlitIE_AutoComplete_Data", false, F::InternetExplorer, 3},
    {"wlitIE_Download_Directory", true, F::InternetExplorer, 3},
    {"wlitIE_Save_Directory", true, F::InternetExplorer, 3},
    {"wlitIE_Favorites_Order_History", false, F::InternetExplorer, 3},
    {"wlitIE_Favorites", false, F::InternetExplorer, 3},
    {"wlitOE_Mail_Boxes", false, F::OutlookExpress, 4},
    {"wlitOE_Cleanup_Log", false, F::OutlookExpress, 4},
    {"wlitAdvanced_Browser_History", true, F::OtherBrowsers, 5},
    {"wlitAvant_Browser_History", true, F::OtherBrowsers, 6},
    {"wlitEnigma_Browser_History", true, F::OtherBrowsers, 7},
    {"wlitFirefox_Visited_Typed_Urls", true, F::OtherBrowsers, 8},
    {"wlitFirefox_History", true, F::OtherBrowsers, 8},
    {"wlitFirefox_Cache", true, F::OtherBrowsers, 8},
    {"wlitFirefox_Cookies", false, F::OtherBrowsers, 8},
    {"wlitFirefox_Downloaded_Files", false, F::OtherBrowsers, 8},
    {"wlitFirefox_AutoComplete_Data", false, F::OtherBrowsers, 8},
    {"wlitFirefox_Preferences", false, F::OtherBrowsers, 8},
    {"wlitFirefox_Bookmarks", false, F::OtherBrowsers, 8},
    {"wlitMaxthon_History", true, F::OtherBrowsers, 9},
    {"wlitNetCaptor_History", true, F::OtherBrowsers, 10},
    {"wlitNetscape_Visited_Typed_Urls", true, F::OtherBrowsers, 11},
    {"wlitNetscape_History", true, F::OtherBrowsers, 11},
    {"wlitNetscape_Cache", true, F::OtherBrowsers, 11},
    {"wlitNetscape_Cookies", false, F::OtherBrowsers, 11},
    {"wlitNetscape_AutoComplete_Data", false, F::OtherBrowsers, 11},
    {"wlitNetscape_Preferences", false, F::OtherBrowsers, 11},
    {"wlitNetscape_Bookmarks", false, F::OtherBrowsers, 11},
    {"wlitOpera_Visited_Typed_Urls", true, F::OtherBrowsers, 12},
    {"wlitOpera_History", true, F::OtherBrowsers, 12},
    {"wlitOpera_Cache", true, F::OtherBrowsers, 12},
    {"wlitOpera_Cookies", false, F::OtherBrowsers, 12},
    {"wlitOpera_Preferences", false, F::OtherBrowsers, 12},
    {"wlitOpera_Bookmarks", false, F::OtherBrowsers, 12},
    {"wlitSlim_Browser_History", true, F::OtherBrowsers, 13},
    {"wlitWin_Application_Logs", false, F::WindowsFiles, 14},
    {"wlitWin_Clipboard", false, F::WindowsFiles, 14},
    {"wlitWin_Common_Dialog_Open_Save_History", true, F::WindowsHistory, 14},
    {"wlitWin_Common_Dialog_Visited_History", true, F::WindowsHistory, 14},
    {"wlitWin_Document_History", true, F::WindowsHistory, 14},
    {"wlitWin_Downloaded_Installations", false, F::WindowsFiles, 14},
    {"wlitWin_Find_Computers_History", true, F::WindowsHistory, 14},
    {"wlitWin_Find_Files_History", true, F::WindowsHistory, 14},
    {"wlitWin_Last_Logged_On_User", false, F::WindowsFiles, 14},
    {"wlitWin_Log_Files", false, F::WindowsFiles, 14},
    {"wlitWin_Media_Player", false, F::WindowsHistory, 14},
    {"wlitWin_Network_Drive_History", false, F::WindowsHistory, 14},
    {"wlitWin_Printer_Ports_History", false, F::WindowsHistory, 14},
    {"wlitWin_RecycleBins_Wash", false, F::WindowsFiles, 14},
    {"wlitWin_RecycleBins", false, F::WindowsFiles, 14},
    {"wlitWin_Regedit_LastKey", false, F::WindowsHistory, 14},
    {"wlitWin_Registry_Streams", true, F::WindowsHistory, 14},
    {"wlitWin_Run_History", true, F::WindowsHistory, 14},
    {"wlitWin_Start_Menu_Order_History", false, F::WindowsHistory, 14},
    {"wlitWin_Swap_File", true, F::WindowsFiles, 14},
    {"wlitWin_Telnet_History", false, F::WindowsHistory, 14},
    {"wlitWin_Temporary_Files", true, F::WindowsFiles, 14},
    {"wlitWin_Tmp_Files", false, F::WindowsFiles, 14},
    {"wlitWin_UserAssist_History", false, F::WindowsHistory, 14},
    {"wlitWin_XP_Prefetch_Folder", false, F::WindowsFiles, 14},
    {"wlitMS_Download_Folder", true, F::MicrosoftApps, 15},
    {"wlitMS_HTML_Help_History", true, F::MicrosoftApps, 15},
    {"wlitMS_Imaging_History", true, F::MicrosoftApps, 15},
    {"wlitMS_Netmeeting_History", true, F::MicrosoftApps, 15},
    {"wlitMS_Paint_History", true, F::MicrosoftApps, 15},
    {"wlitMS_Scandisk_Log", true, F::MicrosoftApps, 15},
    {"wlitMS_WordPad_History", true, F::MicrosoftApps, 15},
    {"wlitMS_Office", false, F::MicrosoftApps, 16},
    {"wlitMS_Access", false, F::MicrosoftApps, 16},
    {"wlitMS_Excel", false, F::MicrosoftApps, 16},
    {"wlitMS_FrontPage", false, F::MicrosoftApps, 16},
    {"wlitMS_InfoPath", false, F::MicrosoftApps, 16},
    {"wlitMS_Photo_Editor", false, F::MicrosoftApps, 16},
    {"wlitMS_PowerPoint", false, F::MicrosoftApps, 16},
    {"wlitMS_Publisher", false, F::MicrosoftApps, 16},
    {"wlitMS_Visio", false, F::MicrosoftApps, 16},
    {"wlitMS_Word", false, F::MicrosoftApps, 16},
}};

}  // namespace

const WashObjectTypeInfo& TypeInfo(TWashListItemType type) {
    return kTypes.at(type);
}

std::optional<TWashListItemType> TypeFromIdentifier(std::string_view identifier) {
    for (int i = 0; i < kBuiltInTypeCount; ++i)
        if (kTypes[i].identifier == identifier)
            return static_cast<TWashListItemType>(i);
    return std::nullopt;
}

bool IsBuiltInType(int index) {
    return index >= 0 && index < kBuiltInTypeCount;
}
