#pragma once
// The English texts the main window ("MainForm") is designed with: per language tag a caption
// and a hint, the items of multi-item controls as the rows after their tag, and the message
// texts with their English defaults. The window sets its texts from here; the language build
// tool writes the English table from the same rows.
#include <string>
#include <vector>

struct DesignText {
    int tag;
    const char* caption;
    const char* hint;
};

// The control texts, ordered by tag.
const std::vector<DesignText>& MainFormDesignTexts();
// The message texts (question texts, column captions, "Stop!"), ordered by number.
const std::vector<DesignText>& MainFormMessageTexts();

// The row of a control tag or message number; null when there is none.
const DesignText* FindDesignText(int tag);
std::string DesignCaption(int tag);
std::string DesignHint(int tag);
// The `count` items of the multi-item control with tag `tag`: the captions of the rows
// tag + 1 to tag + count.
std::vector<std::string> DesignItems(int tag, int count);
