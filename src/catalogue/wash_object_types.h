#pragma once
// The 82 built-in wash object types, in the fixed order in which a wash runs them.
#include <cstdint>
#include <optional>
#include <string_view>

enum TWashListItemType : std::uint8_t {
    wlitIE_Visited_Typed_Urls,
    wlitIE_History,
    wlitIE_Cache,
    wlitIE_Cookies,
    wlitIE_Indexdotdat_Files,
    wlitIE_Downloaded_Program_Files,
    wlitIE_AutoComplete_Data,
    wlitIE_Download_Directory,
    wlitIE_Save_Directory,
    wlitIE_Favorites_Order_History,
    wlitIE_Favorites,
    wlitOE_Mail_Boxes,
    wlitOE_Cleanup_Log,
    wlitAdvanced_Browser_History,
    wlitAvant_Browser_History,
    wlitEnigma_Browser_History,
    wlitFirefox_Visited_Typed_Urls,
    wlitFirefox_History,
    wlitFirefox_Cache,
    wlitFirefox_Cookies,
    wlitFirefox_Downloaded_Files,
    wlitFirefox_AutoComplete_Data,
    wlitFirefox_Preferences,
    wlitFirefox_Bookmarks,
    wlitMaxthon_History,
    wlitNetCaptor_History,
    wlitNetscape_Visited_Typed_Urls,
    wlitNetscape_History,
    wlitNetscape_Cache,
    wlitNetscape_Cookies,
    wlitNetscape_AutoComplete_Data,
    wlitNetscape_Preferences,
    wlitNetscape_Bookmarks,
    wlitOpera_Visited_Typed_Urls,
    wlitOpera_History,
    wlitOpera_Cache,
    wlitOpera_Cookies,
    wlitOpera_Preferences,
    wlitOpera_Bookmarks,
    wlitSlim_Browser_History,
    wlitWin_Application_Logs,
    wlitWin_Clipboard,
    wlitWin_Common_Dialog_Open_Save_History,
    wlitWin_Common_Dialog_Visited_History,
    wlitWin_Document_History,
    wlitWin_Downloaded_Installations,
    wlitWin_Find_Computers_History,
    wlitWin_Find_Files_History,
    wlitWin_Last_Logged_On_User,
    wlitWin_Log_Files,
    wlitWin_Media_Player,
    wlitWin_Network_Drive_History,
    wlitWin_Printer_Ports_History,
    wlitWin_RecycleBins_Wash,
    wlitWin_RecycleBins,
    wlitWin_Regedit_LastKey,
    wlitWin_Registry_Streams,
    wlitWin_Run_History,
    wlitWin_Start_Menu_Order_History,
    wlitWin_Swap_File,
    wlitWin_Telnet_History,
    wlitWin_Temporary_Files,
    wlitWin_Tmp_Files,
    wlitWin_UserAssist_History,
    wlitWin_XP_Prefetch_Folder,
    wlitMS_Download_Folder,
    wlitMS_HTML_Help_History,
    wlitMS_Imaging_History,
    wlitMS_Netmeeting_History,
    wlitMS_Paint_History,
    wlitMS_Scandisk_Log,
    wlitMS_WordPad_History,
    wlitMS_Office,
    wlitMS_Access,
    wlitMS_Excel,
    wlitMS_FrontPage,
    wlitMS_InfoPath,
    wlitMS_Photo_Editor,
    wlitMS_PowerPoint,
    wlitMS_Publisher,
    wlitMS_Visio,
    wlitMS_Word,
};

constexpr int kBuiltInTypeCount = 82;
// Plug-in and user objects carry this type (the temporary-files type) as their ItemType.
constexpr TWashListItemType kNonBuiltInItemType = wlitWin_Temporary_Files;

// Which family of washers cleans a type.
enum class WasherFamily : std::uint8_t {
    InternetExplorer,
    ActiveX,
    OutlookExpress,
    OtherBrowsers,
    WindowsHistory,
    WindowsFiles,
    MicrosoftApps,
};

struct WashObjectTypeInfo {
    std::string_view identifier;  // also the settings key and the fallback display name
    bool selectedByDefault;
    WasherFamily family;
    std::uint8_t iconIndex;  // image in the status list's icon lists
};

const WashObjectTypeInfo& TypeInfo(TWashListItemType type);
std::optional<TWashListItemType> TypeFromIdentifier(std::string_view identifier);
bool IsBuiltInType(int index);

// Language text number of a built-in type's display name, in the "MainForm" tables.
constexpr int DisplayNameTextId(TWashListItemType type) {
    return 10100 + type;
}
