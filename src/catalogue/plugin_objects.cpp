#include "catalogue/plugin_objects.h"

#include "catalogue/language.h"

std::vector<PluginObject> PluginObjectsIn(const TiDbRecFile& file, int lngId) {
    std::vector<PluginObject> objects;
    for (int n = 1; n <= file.Count(); ++n) {
        const TiDbRecord& record = file.Record(n);
        if (record.Header.find("wlitPlugin") == std::string::npos ||
            record.Header.find("disabled") != std::string::npos)
            continue;
        PluginObject object;
        object.Plugin.Id = record.Header.substr(0, record.Header.find('|'));
        for (int line = 0;; ++line) {
            std::string text = RecordBodyValue(record.Body, "S" + std::to_string(line));
            if (text.empty())
                break;
            object.Plugin.Lines.push_back(std::move(text));
        }
        // A plug-in without a name in this language shows its English name, not a blank row.
        object.DisplayName = RecordBodyValue(record.Body, "DisplayName_" + std::to_string(lngId));
        if (object.DisplayName.empty())
            object.DisplayName =
                RecordBodyValue(record.Body, "DisplayName_" + std::to_string(kLanguageEnglish));
        if (object.DisplayName.empty())
            object.DisplayName = object.Plugin.Id;
        objects.push_back(std::move(object));
    }
    return objects;
}
