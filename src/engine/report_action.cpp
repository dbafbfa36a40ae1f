#include "engine/report_action.h"

#include <cstddef>

namespace {

constexpr long kLabelLength = 60;

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

long CharacterCount(const std::string& text) {
    long count = 0;
    for (char c : text)
        if (!IsContinuationByte(c))
            ++count;
    return count;
}

// The last `count` characters of a UTF-8 text.
std::string LastCharacters(const std::string& text, long count) {
    std::size_t start = text.size();
    while (start > 0 && count > 0) {
        --start;
        if (!IsContinuationByte(text[start]))
            --count;
    }
    return text.substr(start);
}

std::string ActionVerb(WashActionKind kind) {
    switch (kind) {
        case WashActionKind::Clear:
            return "Clearing ";
        case WashActionKind::Delete:
            return "Deleting ";
        case WashActionKind::Blur:
            return "Blurring ";
        case WashActionKind::Plain:
            break;
    }
    return {};
}

}  // namespace

std::string ShortenForProgress(const std::string& text) {
    if (CharacterCount(text) <= kLabelLength)
        return text;
    std::size_t slash = text.find('\\');
    if (slash == std::string::npos)
        return ".." + LastCharacters(text, kLabelLength);
    // The head is everything up to and including the first backslash.
    std::string head = text.substr(0, slash + 1);
    std::string rest = text.substr(slash + 1);
    const long room = kLabelLength - CharacterCount(head);
    for (std::size_t next = rest.find('\\');
         next != std::string::npos && CharacterCount(rest) > room; next = rest.find('\\'))
        rest.erase(0, next + 1);
    return head + "..\\" + rest;
}

std::string WashActionTag(WashActionKind kind) {
    switch (kind) {
        case WashActionKind::Clear:
            return "CLR ";
        case WashActionKind::Delete:
            return "DEL ";
        case WashActionKind::Blur:
            return "BLR ";
        case WashActionKind::Plain:
            break;
    }
    return {};
}

void ReportWashAction(WashContext& ctx, ProgressLabel label, WashActionKind kind,
                      const std::string& text) {
    if (label == ProgressLabel::None)
        return;
    if (ctx.TestRunning && ctx.View.TestWindowShown())
        ctx.View.AppendTestLine(WashActionTag(kind) + text);
    ctx.View.SetProgressText(ActionVerb(kind) + ShortenForProgress(text));
    ctx.View.ProcessMessages();
}
