#include "app/design_texts.h"

#include <algorithm>

#include "app/control_ids.h"
#include "engine/wash_levels.h"

namespace {

constexpr const char* kHotKeyHint = "Select and enter a key or combination of two keys";
constexpr const char* kTimeHint = "Enter Hour:Minute:Second";

std::vector<DesignText> BuildControlTexts() {
    std::vector<DesignText> rows = {
        {ids::WashBtn, "Wash", "Show the wash status and start a wash"},
        {ids::ObjectsBtn, "Objects", "Choose what a wash removes and what it keeps"},
        {ids::TasksBtn, "Tasks", "Automatic washes, the activity log and shutdown tasks"},
        {ids::HotKeysBtn, "Hot Keys", "Keys that act on the browsers from any program"},
        {ids::OptionsBtn, "Options", "Program options, wash level and language"},
        {ids::VanishBtn, "Vanish", "Shred files and folders for good"},
        {ids::QuitBtn, "Quit", "Close Tidewell"},
        {ids::HelpBtn, "?", "Online help"},
        {ids::InfoBtn, "i", "About Tidewell"},
        {ids::MinimizeBtn, "_", "Minimize"},
        {ids::HideBtn, "x", "Hide Tidewell in the notification area"},
        {ids::BluefinchSBtn, "Tidewell", "Visit the Tidewell web site"},

        {ids::WashPageTitleLbl, "Wash Status", ""},
        {ids::WashListH1, "  Object", ""},
        {ids::WashListH2, "Entries/Size", ""},
        {ids::WashListH3, "  Status", ""},
        {ids::WashBlurModeCaptionLbl, "Wash Level:", ""},
        {ids::LastWashTimeCaptionLbl, "Last Wash:", ""},

        {ids::ObjectsPages, "", ""},
        {ids::ObjectsPages + 1, "Wash Objects", ""},
        {ids::ObjectsPages + 2, "IE Cookies", ""},
        {ids::ObjectsPages + 3, "Active X", ""},
        {ids::ObjectsPages + 4, "Outlook Express Mail", ""},
        {ids::ObjectsPages + 5, "Startup Monitor", ""},
        {ids::WashingListLbl, "Wash Objects (Click to select or deselect)", ""},
        {ids::AddWashingListItemBtn, "Add", "Add a folder of your own to wash"},
        {ids::EditWashingListItemBtn, "Edit", "Change the selected object of your own"},
        {ids::DeleteWashingListItemBtn, "Delete", "Delete the selected object of your own"},
        {ids::DefaultObjectsBtn, "Default", "Select the wash objects chosen at installation"},
        {ids::SelectAllWashingListItemsBtn, "Select All", "Select every wash object"},
        {ids::DeselectAllWashingListItemsBtn, "Deselect All", "Deselect every wash object"},
        {ids::RunTestBtn, "Run Test",
         "List everything a wash would remove, without changing anything"},
        {ids::CookieListLbl, "Accepted Cookies List (Click to select or deselect)", ""},
        {ids::SelectAllCookieListItemsBtn, "Select All", "Accept every cookie"},
        {ids::DeselectAllCookieListItemsBtn, "Deselect All", "Accept no cookie"},
        {ids::ActiveXListLbl,
         "Accepted Active X Component List / Spyware (Click to select or deselect)", ""},
        {ids::ActiveXWarningLbl,
         "Possible Spyware in the Active X folder is listed in this list and will be "
         "eliminated if not selected!",
         ""},
        {ids::SelectAllActiveXListItemsBtn, "Select All", "Accept every component"},
        {ids::DeselectAllActiveXListItemsBtn, "Deselect All", "Accept no component"},
        {ids::MailBoxesListLbl, "E-Mail Boxes To Wash List (Click to select or deselect)", ""},
        {ids::MailBoxesWarningLbl, "Warning: e-mails in the selected e-mail boxes will be erased.",
         ""},
        {ids::SelectAllMailBoxesListItemsBtn, "Select All", "Wash every e-mail box"},
        {ids::DeselectAllMailBoxesListItemsBtn, "Deselect All", "Wash no e-mail box"},
        {ids::StartupMonitorListLbl, "Startup Programs List (Click to select or deselect)", ""},
        {ids::StartupMonitorWarningLbl,
         "These programs run at Windows startup. Select and hit the Delete button to stop them "
         "from running!",
         ""},
        {ids::DeleteStartupMonitorListItemBtn, "Delete",
         "Stop the selected programs from running at Windows startup"},

        {ids::TasksPageTitleLbl, "Tasks", ""},
        {ids::AutoWashGroup, "Auto Wash Task Sheduler", ""},
        {ids::AutoWashTimeIntervalChkBox, "Auto Wash Time Interval", ""},
        {ids::AutoWashTimeIntervalDtp, "", kTimeHint},
        {ids::AutoWashDailyTimeChkBox, "Auto Wash Daily Time", ""},
        {ids::AutoWashDailyTimeDtp, "", kTimeHint},
        {ids::AutoWashDateChkBox, "Auto Wash Date", ""},
        {ids::AutoWashDateDtp, "", "Choose a date for automatic Tidewell"},
        {ids::LoggingGroup, "Logging Tasks", ""},
        {ids::LogActivitiesChkBox, "Log Activities", ""},
        {ids::ShowLogBtn, "Show Log", "Open the activity log"},
        {ids::ClearLogBtn, "Clear Log", "Empty the activity log"},
        {ids::ShutdownGroup, "Shutdown Tasks", ""},
        {ids::WashOnWindowsShutdownChkBox, "Wash On Windows Shutdown", ""},
        {ids::WashAndShutdownWindowsChkBox, "Wash And Shutdown Windows", ""},
        {ids::WashAndShutdownBtn, "Go...", "Wash now, then switch the computer off"},

        {ids::HotKeysPageTitleLbl, "Hot Keys", ""},
        {ids::HotKeysGroup, "System-wide Hot Keys", ""},
        {ids::CloseAllBrowserWindowsChkBox, "Close All Browser Windows",
         "Closes all Browser Windows - Click to (de)activate this option"},
        {ids::CloseAllBrowserWindowsHotKey, "", kHotKeyHint},
        {ids::HideShowAllBrowserWindowsChkBox, "Hide/Show All Browser Windows",
         "Shows or hides all Browser Windows - Click to (de)activate this option"},
        {ids::HideShowAllBrowserWindowsHotKey, "", kHotKeyHint},
        {ids::StealthModeChkBox, "Stealth Mode (Hide/Show Tidewell)",
         "Shows or hides Tidewell - Click to (de)activate this option"},
        {ids::StealthModeHotKey, "", kHotKeyHint},
        {ids::BossKeyNoteLbl,
         "Note: holding down the left and the right mouse button at the same time, is a "
         "standard alternative for this option! (Boss Key)",
         ""},
        {ids::HotKeysInfoLbl,
         "These keys work in every program. Click a box and press the new key combination.", ""},

        {ids::OptionsPageTitleLbl, "Options", ""},
        {ids::OptionsGroup, "Washing And Startup", ""},
        {ids::CloseBrowsersDuringWashChkBox, "Close All Browsers During Wash", ""},
        {ids::AutoWashAfterBrowsersClosesChkBox, "Auto Wash After Last Browser Closes", ""},
        {ids::StayInTrayDuringWashChkBox, "Stay In Tray During Wash", ""},
        {ids::HideInTrayAtStartupChkBox, "Hide In Tray At Tidewell Startup", ""},
        {ids::IntegrationGroup, "Desktop Integration", ""},
        {ids::ShowProgramShortcutOnDesktopChkBox, "Show Shortcut On Desktop", ""},
        {ids::AutorunProgramAtWindowsStartupChkBox, "Autorun At Windows Startup", ""},
        {ids::IETidewellBtnChkBox, "Internet Explorer Tidewell button", ""},
        {ids::WashBlurModeListLbl, "Wash/Shredding Level", ""},
        {ids::WashBlurModeList, "", "How thoroughly washed files are destroyed"},
        {ids::LanguageListLbl, "Language", ""},
        {ids::DefaultOptionsBtn, "Default Options", "Put the options back to their defaults"},
        {ids::RemoveSoftwareBtn, "Remove Software", "Open the Windows software control panel"},
        {ids::ScrubAndGoBtn, "Go..", "Wash the selected objects now (press again to stop)"},

        {ids::VanishPageTitleLbl, "Vanish (File/Folder Schredder)", ""},
        {ids::VanishBlurModeCaptionLbl, "Shredding Level:", ""},
        {ids::ShredBtn, "Shred", "Destroy the selected files and folders"},
    };
    const auto& levels = WashLevelTexts();
    for (int i = 0; i < kWashLevelCount; ++i)
        rows.push_back(DesignText{ids::WashBlurModeList + 1 + i, levels[i].c_str(), ""});
    std::sort(rows.begin(), rows.end(),
              [](const DesignText& a, const DesignText& b) { return a.tag < b.tag; });
    return rows;
}

const DesignText* FindIn(const std::vector<DesignText>& rows, int tag) {
    auto it = std::lower_bound(rows.begin(), rows.end(), tag,
                               [](const DesignText& row, int t) { return row.tag < t; });
    return it != rows.end() && it->tag == tag ? &*it : nullptr;
}

}  // namespace

const std::vector<DesignText>& MainFormDesignTexts() {
    static const std::vector<DesignText> rows = BuildControlTexts();
    return rows;
}

const std::vector<DesignText>& MainFormMessageTexts() {
    static const std::vector<DesignText> rows = {
        {text_ids::StopCaption, "Stop!", ""},
        {652, "Warning: e-mails in the selected e-mail boxes will be erased permanently.", ""},
        {653, "Click Yes to select this e-mail box and No to cancel this choice.", ""},
        {654, "Click Yes to select all e-mail boxes and No to cancel the selection.", ""},
        {text_ids::ConfirmYes, "Yes", ""},
        {text_ids::ConfirmNo, "No", ""},
        {663, "Stop running at Windows startup of ", ""},
        {664, "Click Yes to stop this program from running at Windows startup.", ""},
        {665, "Yes", ""},
        {666, "No", ""},
        {text_ids::VanishFoldersHeader, "Folders", ""},
        {text_ids::VanishNameColumn, "Name", ""},
        {text_ids::VanishSizeColumn, "Size", ""},
        {text_ids::VanishModifiedColumn, "Modified", ""},
        {text_ids::QuitQuestion, "Do you really want to close Tidewell?", ""},
        {text_ids::QuitHint, "Use [x] to place Tidewell on the taskbar!", ""},
        {text_ids::QuitChoice, "Click Yes to quit and No to continue.", ""},
        {text_ids::QuitYes, "Yes", ""},
        {text_ids::QuitNo, "No", ""},
        {text_ids::AboutCaption, "About Tidewell", ""},
        {text_ids::AboutFirstLine, "Removes the traces your computer keeps:", ""},
        {text_ids::AboutFirstLine + 1, "histories, caches, cookies, recent files,", ""},
        {text_ids::AboutFirstLine + 2, "temporary files, logs and recycle bins.", ""},
        {text_ids::AboutFirstTickerItem,
         "Eight wash levels, from plain deletion to 35 overwrite passes", ""},
        {text_ids::AboutFirstTickerItem + 1,
         "A test run lists every action of a wash and changes nothing", ""},
        {text_ids::AboutFirstTickerItem + 2, "Hot keys close or hide all browser windows at once",
         ""},
        {text_ids::AboutFirstTickerItem + 3, "Vanish shreds the files and folders you pick", ""},
        {text_ids::AboutFirstTickerItem + 4,
         "Auto wash: after an interval, every day, or when the last browser closes", ""},
        {text_ids::AboutClose, "Close", ""},
        {text_ids::DeleteItemQuestion, "Do you really want to delete this item?", ""},
        {text_ids::WashConfirmCaption, "Confirm", ""},
        {text_ids::WashConfirmYes, "Yes", ""},
        {text_ids::WashConfirmNo, "No", ""},
        {text_ids::WashConfirmCancel, "Cancel", ""},
        {text_ids::WashConfirmAll, "All", ""},
        {text_ids::TestWindowCaption, "Tidewell Test Run Results", ""},
        {text_ids::NotAvailable, "N/A", ""},
        {text_ids::IntroLine, "Washing away the traces of your work...", ""},
        {text_ids::WarningOk, "OK", ""},
    };
    return rows;
}

const DesignText* FindDesignText(int tag) {
    if (const DesignText* row = FindIn(MainFormDesignTexts(), tag))
        return row;
    return FindIn(MainFormMessageTexts(), tag);
}

std::string DesignCaption(int tag) {
    const DesignText* row = FindDesignText(tag);
    return row ? row->caption : "";
}

std::string DesignHint(int tag) {
    const DesignText* row = FindDesignText(tag);
    return row ? row->hint : "";
}

std::vector<std::string> DesignItems(int tag, int count) {
    std::vector<std::string> items;
    for (int t = tag + 1; t <= tag + count; ++t) {
        const DesignText* row = FindIn(MainFormDesignTexts(), t);
        items.push_back(row ? row->caption : "");
    }
    return items;
}
