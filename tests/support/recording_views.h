#pragma once
// Views that record what the catalogue and the wash run show, for tests.
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "catalogue/catalogue_view.h"
#include "engine/wash_view.h"

namespace testing_support {

class RecordingCatalogueView : public CatalogueView {
  public:
    std::vector<std::string> rowNames;
    std::vector<bool> checks;
    std::vector<StatusRow> statusRows;
    std::vector<ObjectsTab> tabsShown;
    std::vector<int> questionsAsked;
    bool answerYes = true;
    int repaints = 0;
    int refreshes = 0;
    std::vector<bool> indexDatTask;

    void AppendRow(const std::string& name, bool checked) override {
        rowNames.push_back(name);
        checks.push_back(checked);
    }
    void RemoveRow(std::size_t row) override {
        rowNames.erase(rowNames.begin() + static_cast<std::ptrdiff_t>(row));
        checks.erase(checks.begin() + static_cast<std::ptrdiff_t>(row));
    }
    void SetRowChecked(std::size_t row, bool checked) override {
        if (row >= checks.size())
            checks.resize(row + 1);
        checks[row] = checked;
    }
    void RepaintWashingList() override { ++repaints; }
    void ShowStatusRows(const std::vector<StatusRow>& rows) override {
        statusRows = rows;
        ++refreshes;
    }
    void ShowObjectsTab(ObjectsTab tab) override { tabsShown.push_back(tab); }
    bool AskYesNo(int textId, const std::string&) override {
        questionsAsked.push_back(textId);
        return answerYes;
    }
    void IndexDatTaskWanted(bool wanted) override { indexDatTask.push_back(wanted); }
};

class RecordingWashView : public WashView {
  public:
    std::vector<std::string> progress;
    std::map<int, std::string> rowEntries;
    std::map<int, std::string> rowStatus;
    std::vector<int> revealed;
    std::vector<std::string> testLines;
    std::vector<std::string> questions;
    std::deque<ConfirmAnswer> answers;  // answered in order; Yes when empty
    bool testWindowShown = true;
    bool browsersClose = true;
    int closeBrowsersCalls = 0;
    int restoreCalls = 0;
    int trayAnimations = 0;
    int updateStatusCalls = 0;
    std::vector<std::string> captions;  // "Stop!" / "Go.."
    bool timerEnabled = true;
    bool redButton = false;
    // Runs on every ProcessMessages call: a test can press Stop from here.
    std::function<void()> onProcessMessages;

    void SetProgressText(const std::string& text) override { progress.push_back(text); }
    void SetRowEntries(int row, const std::string& text) override { rowEntries[row] = text; }
    void SetRowStatus(int row, const std::string& text) override { rowStatus[row] = text; }
    void RevealRow(int row) override { revealed.push_back(row); }
    ConfirmAnswer Confirm(const std::string& question) override {
        questions.push_back(question);
        if (answers.empty())
            return ConfirmAnswer::Yes;
        ConfirmAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    bool TestWindowShown() const override { return testWindowShown; }
    void AppendTestLine(const std::string& line) override { testLines.push_back(line); }
    void ProcessMessages() override {
        if (onProcessMessages)
            onProcessMessages();
    }
    void ShowWashPage() override {}
    void RestoreWindowIfAway() override { ++restoreCalls; }
    void SetGoButtonLook(bool running) override { redButton = running; }
    void SetGoButtonCaption(bool running) override {
        captions.push_back(running ? "Stop!" : "Go..");
    }
    void SetMainTimerEnabled(bool enabled) override { timerEnabled = enabled; }
    bool CloseBrowsers() override {
        ++closeBrowsersCalls;
        return browsersClose;
    }
    void UpdateStatus() override { ++updateStatusCalls; }
    void AnimateTray() override { ++trayAnimations; }
    void SetBusyCursor(bool) override {}
};

}  // namespace testing_support
