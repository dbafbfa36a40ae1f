#pragma once
// What the "Outlook Express Mail" list shows and what its clicks do to the chosen boxes
// (SelectedMailBoxes), apart from the window that shows it. No system calls.
#include <functional>
#include <string>
#include <vector>

struct MailBoxItem {
    std::string line;  // "name=path", as SelectedMailBoxes holds it
    bool ticked = false;
};

// Asks whether the box (false) or every box (true) may be chosen; true for Yes.
using ConfirmMailBoxChoice = std::function<bool(bool all)>;

class MailBoxesList {
  public:
    // The chosen lines, ticked (also those whose file is gone), then each found line that is
    // not listed yet, unticked; kept sorted without regard to letter case.
    void Rebuild(const std::vector<std::string>& selected, const std::vector<std::string>& found);

    const std::vector<MailBoxItem>& Items() const { return items_; }

    // The user ticked or unticked item `index`: a chosen box is no longer chosen; any other is
    // chosen when the question is answered Yes and stays unticked on No.
    void ClickCheck(std::size_t index, std::vector<std::string>& selected,
                    const ConfirmMailBoxChoice& confirm);
    // After a Yes to the question: every item ticked and chosen.
    void SelectAll(std::vector<std::string>& selected, const ConfirmMailBoxChoice& confirm);
    // Every item unticked and no longer chosen; nothing is asked.
    void DeselectAll(std::vector<std::string>& selected);

  private:
    void Add(const std::string& line, bool ticked);
    std::vector<MailBoxItem> items_;
};
