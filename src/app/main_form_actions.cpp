// The main window's buttons, showing and hiding, closing, the keyboard and the drag.
#include "app/control_ids.h"
#include "app/design_texts.h"
#include "app/hot_keys_page.h"
#include "app/main_form.h"
#include "app/objects_page.h"
#include "app/program_runner.h"
#include "app/vanish_page.h"
#include "app/wash_page.h"
#include "options/desktop_integration.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "ui/message_dlg_box.h"

namespace {

constexpr const char* kWebSite = "http://www.tidewell.example/";
constexpr int kAppStartingCursor = 32650;  // IDC_APPSTARTING (-19 as a cursor number)

bool ModifierDown() {
    return GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
}

}  // namespace

void TMainForm::WashBtnClick() {
    if (ctx_.Washing)
        return;
    ShowPage(PageIndex::Tidewell);
    RefreshWashLevelLabels();
    UpdateStatus(ids::WashBtn);
}

void TMainForm::ObjectsBtnClick() {
    if (ctx_.Washing)
        return;
    ShowPage(PageIndex::Objects);
    objectsPage_->ShowTab(ObjectsTab::WashObjects);
    UpdateStatus(ids::ObjectsBtn);
}

void TMainForm::TasksBtnClick() {
    if (ctx_.Washing)
        return;
    ShowPage(PageIndex::Tasks);
    UpdateStatus(ids::TasksBtn);
}

void TMainForm::HotKeysBtnClick() {
    if (ctx_.Washing)
        return;
    ShowPage(PageIndex::HotKeys);
    UpdateStatus(ids::HotKeysBtn);
}

void TMainForm::OptionsBtnClick() {
    if (ctx_.Washing)
        return;
    ShowPage(PageIndex::Options);
    UpdateStatus(ids::OptionsBtn);
}

void TMainForm::VanishBtnClick() {
    if (ctx_.Washing)
        return;
    ShowPage(PageIndex::Vanish);
    RefreshWashLevelLabels();
    AssignVanishImageList();
    vanishPage_->FillDrivesTree();
    UpdateStatus(ids::VanishBtn);
}

void TMainForm::RefreshWashLevelLabels() {
    std::string name = WashLevelShortName();
    washPage_->SetLevelName(name);
    vanishPage_->SetLevelName(name);
}

void TMainForm::QuitBtnClick() {
    if (ctx_.Washing)
        return;
    std::string question =
        Text(text_ids::QuitQuestion, DesignCaption(text_ids::QuitQuestion)) + "\r\n\r\n" +
        Text(text_ids::QuitHint, DesignCaption(text_ids::QuitHint)) + "\r\n\r\n" +
        Text(text_ids::QuitChoice, DesignCaption(text_ids::QuitChoice));
    std::vector<std::string> buttons = {Text(text_ids::QuitYes, DesignCaption(text_ids::QuitYes)),
                                        Text(text_ids::QuitNo, DesignCaption(text_ids::QuitNo))};
    if (ui::TMessageDlgBox::Ask(Handle(), look_, "Tidewell", question, buttons,
                                ui::TMessageDlgBox::Icon::Question) != 0)
        return;
    ShowWindow(Handle(), SW_HIDE);
    ProcessMessages();
    ShowAboutBox(false);
    ProcessMessages();
    Sleep(2000);
    if (aboutBox_)
        aboutBox_->Close();
    SendMessageW(Handle(), WM_CLOSE, 0, 0);
}

void TMainForm::HelpBtnClick() {
    if (ctx_.Washing)
        return;
    OpenDocument(std::string(kWebSite) + "help?lngid=" + std::to_string(ctx_.Opts.LngID) +
                 "&programlabel=tidewell&programversionnumber=2431&show=onlinehelp");
    FormMinimize();
}

void TMainForm::BluefinchSBtnClick() {
    if (ctx_.Washing)
        return;
    OpenDocument(kWebSite);
    FormMinimize();
}

void TMainForm::InfoBtnClick() {
    if (ctx_.Washing)
        return;
    ShowAboutBox(true);
}

void TMainForm::ShowAboutBox(bool closeButton) {
    if (!aboutBox_) {
        ui::TAboutBox::Content content;
        content.caption = Text(text_ids::AboutCaption, DesignCaption(text_ids::AboutCaption));
        content.name = "Tidewell";
        content.title = kProgramTitle;
        for (int i = 0; i < 3; ++i) {
            int id = text_ids::AboutFirstLine + i;
            content.lines.push_back(Text(id, DesignCaption(id)));
        }
        for (int i = 0; i < 5; ++i) {
            int id = text_ids::AboutFirstTickerItem + i;
            content.tickerItems.push_back(Text(id, DesignCaption(id)));
        }
        content.closeCaption = Text(text_ids::AboutClose, DesignCaption(text_ids::AboutClose));
        aboutBox_ = std::make_unique<ui::TAboutBox>(look_, std::move(content));
    }
    aboutBox_->Show(Handle(), closeButton);
}

void TMainForm::HideBtnClick() {
    ShowWindow(Handle(), SW_HIDE);  // the tray icon stays
}

void TMainForm::FormMinimize() {
    ShowWindow(Handle(), SW_MINIMIZE);
}

void TMainForm::FormRestore() {
    ShowWindow(Handle(), SW_RESTORE);
    SetForegroundWindow(Handle());
    BringWindowToTop(Handle());
}

void TMainForm::WmTidewellActivate() {
    if (IsIconic(Handle()))
        ShowWindow(Handle(), SW_RESTORE);
    SetForegroundWindow(Handle());
    FormRestore();
}

void TMainForm::Show() {
    FormShow();
    ShowWindow(Handle(), SW_SHOWNORMAL);
    UpdateWindow(Handle());
    SetForegroundWindow(Handle());
}

void TMainForm::FormShow() {
    ShowPage(PageIndex::Tidewell);
    RefreshWashLevelLabels();
    ProcessMessages();
    UpdateStatus(0);
}

void TMainForm::FormActivate() {
    if (!flags_.IntroExists && flags_.StartHidden()) {
        flags_.SetStartHidden(false);
        ProcessMessages();
        Sleep(500);
        HideBtnClick();
        ProcessMessages();
    }
    if (activePage_ == PageIndex::Objects) {
        if (objectsPage_->ActiveTab() == ObjectsTab::IECookies)
            objectsPage_->CookiesPageClick();
        else if (objectsPage_->ActiveTab() == ObjectsTab::ActiveX)
            objectsPage_->ActiveXPageClick();
    }
    objectsPage_->MailBoxesPageClick();
}

bool TMainForm::FormCloseQuery() {
    if (closing_)
        return true;  // the session ended: the close steps have run
    if (ctx_.Washing)
        return false;  // the wash finishes first
    if (AltF4Pressed) {
        AltF4Pressed = false;  // Alt+F4 never closes the window
        return false;
    }
    CloseSteps();
    return true;
}

void TMainForm::CloseSteps() {
    SetMainTimerEnabled(false);
    if (BrowsersHidden)
        ShowBrowsers();
    SaveSettings(*this);
    ctx_.AcceptedCookieList.clear();
    ctx_.AcceptedActiveXList.clear();
    ctx_.SelectedMailBoxes.clear();
    browsers_.Clear();
    for (int id = 1; id <= 3; ++id)
        UnregisterHotKey(Handle(), id);
    if (!SessionEndingLogoff && !SessionEndingShutdown)
        UnregisterContextMenuHandler();
    SendMessageW(Handle(), WM_CANCELMODE, 0, 0);
}

void TMainForm::RegisterContextMenuHandler() {
    ContextMenuHandler handler = ContextMenuHandlerFor(platform::ProgramFolder());
    if (handler.library.empty() || ContextMenuHandlerRegistered(handler))
        return;
    RunAndWait(handler.regsvr32, "/s \"" + handler.library + "\"", [this] { ProcessMessages(); });
}

void TMainForm::UnregisterContextMenuHandler() {
    ContextMenuHandler handler = ContextMenuHandlerFor(platform::ProgramFolder());
    if (!handler.library.empty())
        StartProgram(handler.regsvr32, "/s /u \"" + handler.library + "\"", "");
}

bool TMainForm::PreTranslate(MSG& message) {
    ++messagesTaken_;
    if (!Handle() || (message.hwnd != Handle() && !IsChild(Handle(), message.hwnd)))
        return false;
    switch (message.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            OnKeyDown(message);
            break;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            OnKeyUp(message);
            break;
        default:
            break;
    }
    return false;
}

void TMainForm::OnKeyDown(const MSG& message) {
    bool alt = (message.lParam & (1 << 29)) != 0 || GetKeyState(VK_MENU) < 0;
    if (message.wParam == VK_F4 && alt)
        AltF4Pressed = true;
    HotKeyEditing = hotKeysPage_->HotKeyIdOf(GetFocus()) != 0;
}

void TMainForm::OnKeyUp(const MSG& message) {
    if (message.wParam == VK_INSERT && !ModifierDown())
        HideBtnClick();
    if (HotKeyEditing) {
        HotKeyEditing = false;
        int id = hotKeysPage_->HotKeyIdOf(GetFocus());
        if (id != 0) {
            SetHotKey(id, hotKeysPage_->HotKeyOf(id));
            hotKeysPage_->ReadOptions(ctx_.Opts);
        }
    }
}

void TMainForm::BeginDrag() {
    POINT cursor;
    GetCursorPos(&cursor);
    DragAnchorX = cursor.x;
    DragAnchorY = cursor.y;
    dragging_ = true;
    SetCapture(Handle());
    SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(kAppStartingCursor)));
}

void TMainForm::ContinueDrag() {
    if (!dragging_ || GetCapture() != Handle())
        return;
    POINT cursor;
    GetCursorPos(&cursor);
    RECT window;
    GetWindowRect(Handle(), &window);
    SetWindowPos(Handle(), nullptr, window.left + cursor.x - DragAnchorX,
                 window.top + cursor.y - DragAnchorY, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    DragAnchorX = cursor.x;
    DragAnchorY = cursor.y;
}

void TMainForm::EndDrag() {
    if (!dragging_)
        return;
    dragging_ = false;
    DragAnchorX = 0;
    DragAnchorY = 0;
    if (GetCapture() == Handle())
        ReleaseCapture();
    SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)));  // IDC_ARROW
}
