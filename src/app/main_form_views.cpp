// How the main window shows a wash run, the catalogue and the settings, and the handlers that
// start runs and change the catalogue.
#include "app/control_ids.h"
#include "app/design_texts.h"
#include "app/main_form.h"
#include "app/objects_page.h"
#include "app/options_page.h"
#include "app/test_window.h"
#include "app/vanish_page.h"
#include "app/wash_page.h"
#include "engine/deferred_wash.h"
#include "engine/wash_driver.h"
#include "lists/object_detection.h"
#include "platform/system.h"
#include "ui/apply_language.h"
#include "ui/message_dlg_box.h"
#include "ui/palette.h"

namespace {
constexpr int kEntriesColumn = 1;
constexpr int kStatusColumn = 2;
}  // namespace

// ---- The wash run ----

void TMainForm::ScrubAndGoBtnClick() {
    ::ScrubAndGoBtnClick(ctx_);
}

bool TMainForm::ShowTestWindow() {
    if (testWindow_ && testWindow_->Exists()) {
        testWindow_->ShowInFront();
        return true;
    }
    if (!testWindow_)
        testWindow_ = std::make_unique<TTidewellTestWindow>(listing_, backdropBrush_.Get(), fonts_);
    if (!testWindow_->Open(nullptr, skin_.smallIcon.Get(), Text(text_ids::TestWindowCaption)))
        return false;
    ProcessMessages();
    testWindow_->ShowInFront();
    return TestWindowShown();
}

void TMainForm::RunTestBtnClick() {
    if (ctx_.Washing || !ShowTestWindow())
        return;
    if (RunTestRun(ctx_, listing_))
        ObjectsBtnClick();
}

void TMainForm::SetProgressText(const std::string& text) {
    // A shred runs on the Vanish page, and page changes wait while it runs.
    if (activePage_ == PageIndex::Vanish)
        vanishPage_->SetProgress(text);
    else
        washPage_->SetProgress(text);
}

void TMainForm::SetRowEntries(int row, const std::string& entriesAndSize) {
    washPage_->SetRowText(row, kEntriesColumn, entriesAndSize);
}

void TMainForm::SetRowStatus(int row, const std::string& status) {
    washPage_->SetRowText(row, kStatusColumn, status);
}

void TMainForm::RevealRow(int row) {
    washPage_->RevealRow(row);
}

ConfirmAnswer TMainForm::Confirm(const std::string& question) {
    std::vector<std::string> buttons;
    for (int id : {text_ids::WashConfirmYes, text_ids::WashConfirmNo, text_ids::WashConfirmCancel,
                   text_ids::WashConfirmAll})
        buttons.push_back(Text(id));
    int answer = ui::TMessageDlgBox::Ask(Handle(), look_, Text(text_ids::WashConfirmCaption),
                                         question, buttons, ui::TMessageDlgBox::Icon::Question);
    switch (answer) {
        case 0:
            return ConfirmAnswer::Yes;
        case 1:
            return ConfirmAnswer::No;
        case 3:
            return ConfirmAnswer::All;
        default:
            return ConfirmAnswer::Cancel;
    }
}

bool TMainForm::TestWindowShown() const {
    return testWindow_ && testWindow_->Exists();
}

void TMainForm::AppendTestLine(const std::string& line) {
    listing_.AddLine(-1, line);
}

void TMainForm::ProcessMessages() {
    ui::PumpPendingMessages(this, Handle());
}

void TMainForm::ShowWashPage() {
    ShowPage(PageIndex::Tidewell);
    RefreshWashLevelLabels();
}

void TMainForm::RestoreWindowIfAway() {
    if (IsIconic(Handle()) || !IsWindowVisible(Handle()))
        FormRestore();
}

void TMainForm::SetGoButtonLook(bool running) {
    ui::SkinButton& go = washPage_->GoButton();
    if (running)
        go.SetPictures({&skin_.redButtonUp, &skin_.redButtonDown, &skin_.buttonDisabled});
    else
        go.SetPictures(ButtonPictures());
}

void TMainForm::SetGoButtonCaption(bool running) {
    ui::SkinButton& go = washPage_->GoButton();
    if (running) {
        go.SetCaption(Text(text_ids::StopCaption, DesignCaption(text_ids::StopCaption)));
        go.SetCaptionLook(ui::palette::kWhite, fonts_.heading.Get());
    } else {
        go.SetCaption(Text(text_ids::GoCaption, DesignCaption(text_ids::GoCaption)));
        go.SetCaptionLook(ui::palette::kButtonText, fonts_.heading.Get());
    }
    UpdateWindow(go.Handle());
}

void TMainForm::SetBusyCursor(bool busy) {
    SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(busy ? 32514 : 32512)));  // IDC_WAIT, ARROW
}

// ---- The catalogue ----

void TMainForm::AppendRow(const std::string& displayName, bool checked) {
    objectsPage_->AppendRow(displayName, checked);
}

void TMainForm::RemoveRow(std::size_t row) {
    objectsPage_->RemoveRow(row);
}

void TMainForm::SetRowChecked(std::size_t row, bool checked) {
    objectsPage_->SetRowChecked(row, checked);
}

void TMainForm::RepaintWashingList() {
    objectsPage_->Repaint();
}

void TMainForm::ShowStatusRows(const std::vector<StatusRow>& rows) {
    washPage_->ShowRows(rows, skin_.StatusIcons());
    FitWashListColumns(true, static_cast<int>(rows.size()));
}

// Every rebuild of the status list: the runner starts at the next logon while the index.dat
// object is selected.
void TMainForm::IndexDatTaskWanted(bool wanted) {
    UpdateIndexDatStartEntry(wanted, settings_.Files.ProgramFolder.empty()
                                         ? platform::ProgramFolder()
                                         : settings_.Files.ProgramFolder);
}

void TMainForm::ShowObjectsTab(ObjectsTab tab) {
    objectsPage_->ShowTab(tab);
    ObjectsPagesChange(tab);
}

bool TMainForm::AskYesNo(int textId, const std::string& englishQuestion) {
    std::vector<std::string> buttons = {
        Text(text_ids::ConfirmYes, DesignCaption(text_ids::ConfirmYes)),
        Text(text_ids::ConfirmNo, DesignCaption(text_ids::ConfirmNo))};
    return ui::TMessageDlgBox::Ask(Handle(), look_, "Tidewell", Text(textId, englishQuestion),
                                   buttons, ui::TMessageDlgBox::Icon::Question) == 0;
}

void TMainForm::WashingListClickCheck(int row, bool checked) {
    if (ctx_.Washing || row < 0)
        return;
    ::WashingListClickCheck(catalogue_, *this, static_cast<std::size_t>(row), checked);
}

void TMainForm::DefaultObjectsBtnClick() {
    if (!ctx_.Washing)
        ::DefaultObjectsBtnClick(catalogue_, *this);
}

void TMainForm::SelectAllWashingListItemsBtnClick() {
    if (!ctx_.Washing)
        ::SelectAllWashingListItemsBtnClick(catalogue_, *this);
}

void TMainForm::DeselectAllWashingListItemsBtnClick() {
    if (!ctx_.Washing)
        ::DeselectAllWashingListItemsBtnClick(catalogue_, *this);
}

void TMainForm::DeleteWashingListItemBtnClick() {
    if (ctx_.Washing)
        return;
    int row = objectsPage_->SelectedRow();
    if (row < 0 || static_cast<std::size_t>(row) >= catalogue_.Items.size() ||
        catalogue_.Items[static_cast<std::size_t>(row)]->Kind != WashItemKind::User)
        return;
    std::vector<std::string> buttons = {Text(text_ids::QuitYes), Text(text_ids::QuitNo)};
    if (ui::TMessageDlgBox::Ask(Handle(), look_, "Tidewell", Text(text_ids::DeleteItemQuestion),
                                buttons, ui::TMessageDlgBox::Icon::Question) == 0)
        RemoveUserObject(catalogue_, *this, static_cast<std::size_t>(row));
    UpdateStatus(ids::DeleteWashingListItemBtn);
}

void TMainForm::ObjectsPagesChange(ObjectsTab tab) {
    if (ctx_.Washing)
        return;
    switch (tab) {
        case ObjectsTab::IECookies:
            objectsPage_->CookiesPageClick();
            break;
        case ObjectsTab::ActiveX:
            objectsPage_->ActiveXPageClick();
            break;
        case ObjectsTab::MailBoxes:
            objectsPage_->MailBoxesPageClick();
            break;
        case ObjectsTab::StartupMonitor:
            objectsPage_->StartupMonitorPageClick();
            break;
        case ObjectsTab::WashObjects:
            break;
    }
    UpdateStatus(ids::ObjectsPages);
}

// ---- The settings ----

void TMainForm::ShowShellFolderWarning(const std::string& text) {
    ui::TMessageDlgBox::Ask(Handle(), look_, "Tidewell", text, {Text(text_ids::WarningOk)},
                            ui::TMessageDlgBox::Icon::None);
}

void TMainForm::ShowLanguageList(const std::vector<std::string>& entries, int selected) {
    languageEntries_ = entries;
    languageSelected_ = selected;
    if (optionsPage_->Built())
        optionsPage_->ShowLanguages(entries, selected);
}

void TMainForm::SetCaption(const std::string& caption) {
    ui::SetText(captionLabel_, caption);
}

void TMainForm::StartHookLibrary() {
    hooks_.Start(Handle());
}

void TMainForm::StopHookLibrary() {
    hooks_.Stop();
}

void TMainForm::RunObjectDetection() {
    if (ctx_.Washing)
        return;
    const ObjectsTabsShown tabs = CheckObjectsBtnClick(catalogue_, *this);
    objectsPage_->ShowTabs({true, tabs.IECookies, tabs.ActiveX, tabs.MailBoxes, true});
}

void TMainForm::OpenActivityLog() {
    log_.SetPath(settings_.Files.Log);
    OpenActivityLogAtStart(log_);
    ctx_.Log = &log_;
}

void TMainForm::CloseActivityLog() {
    CloseActivityLogAtEnd(log_);
}

void TMainForm::ApplyLanguage(const LanguageChoice& language) {
    // The language names the tabs by their places: all are there while it is applied, and
    // object detection hides the absent ones again afterwards.
    objectsPage_->ShowTabs({true, true, true, true, true});
    ui::ApplyLanguage(Handle(), kMainFormName, language,
                      [this](HWND control, const std::string& hint) { SetHint(control, hint); });
    if (vanishPage_->Built())
        vanishPage_->ApplyTexts();
    SetGoButtonCaption(ctx_.Washing);
    if (testWindow_ && testWindow_->Exists())
        ui::SetText(testWindow_->Handle(), Text(text_ids::TestWindowCaption));
    aboutBox_.reset();  // made again, in this language, when it is next shown
}

void TMainForm::LanguageListChanged() {
    // Another language: the settings are saved and loaded again, which applies it everywhere
    // (object names and state texts too) and writes a close and a start line to the log.
    if (LanguageListChange(*this, optionsPage_->LanguageEntry()))
        UpdateStatus();
}
