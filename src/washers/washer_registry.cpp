#include "washers/washer_registry.h"

#include "engine/plugin_objects.h"
#include "engine/user_objects.h"
#include "washers/activex_washer.h"
#include "washers/ie_washers.h"
#include "washers/ms_apps.h"
#include "washers/other_browsers.h"
#include "washers/outlook_express.h"
#include "washers/recycle_bins.h"
#include "washers/windows_files.h"
#include "washers/windows_history.h"

WasherTable MakeWasherTable() {
    WasherTable table;
    AddInternetExplorerWashers(table);
    AddActiveXWasher(table);
    AddWindowsHistoryWashers(table);
    AddWindowsFileWashers(table);
    AddRecycleBinWashers(table);
    AddOtherBrowserWashers(table);
    AddOutlookExpressWashers(table);
    AddMicrosoftAppWashers(table);
    table.Plugin = WashPluginObject;
    table.User = WashUserObject;
    return table;
}
