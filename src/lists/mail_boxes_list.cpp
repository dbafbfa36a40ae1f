#include "lists/mail_boxes_list.h"

#include <algorithm>

#include "platform/paths.h"

namespace {

bool Holds(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

void Remove(std::vector<std::string>& lines, const std::string& line) {
    lines.erase(std::remove(lines.begin(), lines.end(), line), lines.end());
}

}  // namespace

void MailBoxesList::Add(const std::string& line, bool ticked) {
    const std::string key = platform::LowerAscii(line);
    auto at = std::lower_bound(items_.begin(), items_.end(), key,
                               [](const MailBoxItem& item, const std::string& wanted) {
                                   return platform::LowerAscii(item.line) < wanted;
                               });
    if (at != items_.end() && platform::LowerAscii(at->line) == key)
        return;  // listed once
    items_.insert(at, MailBoxItem{line, ticked});
}

void MailBoxesList::Rebuild(const std::vector<std::string>& selected,
                            const std::vector<std::string>& found) {
    items_.clear();
    for (auto line = selected.rbegin(); line != selected.rend(); ++line)
        Add(*line, true);
    for (const std::string& line : found)
        Add(line, false);
}

void MailBoxesList::ClickCheck(std::size_t index, std::vector<std::string>& selected,
                               const ConfirmMailBoxChoice& confirm) {
    if (index >= items_.size())
        return;
    MailBoxItem& item = items_[index];
    if (Holds(selected, item.line)) {
        Remove(selected, item.line);
        item.ticked = false;
        return;
    }
    item.ticked = confirm(false);
    if (item.ticked)
        selected.push_back(item.line);
}

void MailBoxesList::SelectAll(std::vector<std::string>& selected,
                              const ConfirmMailBoxChoice& confirm) {
    if (!confirm(true))
        return;
    for (MailBoxItem& item : items_) {
        item.ticked = true;
        if (!Holds(selected, item.line))
            selected.push_back(item.line);
    }
}

void MailBoxesList::DeselectAll(std::vector<std::string>& selected) {
    for (MailBoxItem& item : items_) {
        item.ticked = false;
        Remove(selected, item.line);
    }
}
