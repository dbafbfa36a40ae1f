#include "app/main_form.h"

#include "app/control_ids.h"
#include "app/design_texts.h"
#include "app/hot_keys_page.h"
#include "app/layout.h"
#include "app/objects_page.h"
#include "app/options_page.h"
#include "app/tasks_page.h"
#include "app/test_window.h"
#include "app/vanish_page.h"
#include "app/wash_page.h"
#include "platform/system.h"
#include "washers/washer_registry.h"
#include "platform/text.h"
#include "ui/apply_language.h"
#include "ui/controls.h"
#include "ui/palette.h"

TMainForm::TMainForm(StartupFlags& flags, SettingsFiles files)
    : flags_(flags),
      washers_(MakeWasherTable()),
      ctx_(catalogue_, *this, washers_),
      settings_(ctx_.Opts, catalogue_, ctx_.AcceptedCookieList, ctx_.AcceptedActiveXList,
                ctx_.SelectedMailBoxes, IntervalRemaining, DailyRemaining) {
    settings_.Files = std::move(files);
    settings_.UserSectionPrefix = CurrentUserSectionPrefix();
    listing_.SetListener([this](const TestRunListing&, TestRunListing::Change change,
                                std::size_t index, std::size_t count) {
        if (testWindow_)
            testWindow_->ListingChanged(change, index, count);
    });
}

TMainForm::~TMainForm() {
    testWindow_.reset();
    aboutBox_.reset();
    Destroy();
}

ui::SkinButton::Pictures TMainForm::ButtonPictures() const {
    return {&skin_.buttonUp, &skin_.buttonDown, &skin_.buttonDisabled};
}

std::string TMainForm::Text(int textId, const std::string& english) const {
    return MainFormText(settings_, textId, english);
}

std::string TMainForm::Text(int textId) const {
    return Text(textId, DesignCaption(textId));
}

void TMainForm::SetHint(HWND control, const std::string& hint) {
    if (!tooltip_ || !control)
        return;
    std::wstring text = platform::Utf8ToWide(hint);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    bool known =
        SendMessageW(tooltip_.Get(), TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
    tool.lpszText = text.data();
    if (hint.empty()) {
        if (known)
            SendMessageW(tooltip_.Get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    } else if (known) {
        SendMessageW(tooltip_.Get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    } else {
        SendMessageW(tooltip_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

std::string TMainForm::ActivePageName() const {
    static const char* const kNames[kPageCount] = {"Tidewell", "Objects", "Tasks",
                                                   "Hot Keys", "Options", "Vanish"};
    return kNames[static_cast<int>(activePage_)];
}

Page& TMainForm::PageAt(PageIndex page) {
    switch (page) {
        case PageIndex::Tidewell:
            return *washPage_;
        case PageIndex::Objects:
            return *objectsPage_;
        case PageIndex::Tasks:
            return *tasksPage_;
        case PageIndex::HotKeys:
            return *hotKeysPage_;
        case PageIndex::Options:
            return *optionsPage_;
        case PageIndex::Vanish:
            break;
    }
    return *vanishPage_;
}

bool TMainForm::Create() {
    fonts_ = ui::Fonts::Create();
    std::string programFolder = platform::ProgramFolder();
    skin_ = Skin::Load(programFolder);
    look_ = ui::SkinLook{&fonts_, ButtonPictures(), skin_.bigIcon.Get()};
    if (!CreateWindowAndControls())
        return false;

    // The creation steps, in order.
    RegisterContextMenuHandler();
    settings_.DetectedLngID = DetectDefaultLanguageId();
    ctx_.Opts.LngID = settings_.DetectedLngID;
    SetCaption(kProgramTitle);
    SetCurrentDirectoryW(platform::Utf8ToWide(programFolder).c_str());
    IntervalRemaining = 0;
    DailyRemaining = 0;
    AddTrayIcon();
    {
        // 82 built-in rows and the plug-in ones, laid out once instead of at every row.
        ui::RedrawPaused quiet(objectsPage_->WashingList());
        LoadSettings(*this);
    }
    if (ctx_.Opts.HideInTrayAtStartup)
        flags_.SetStartHidden(true);
    SetHotKey(1, ctx_.Opts.CloseAllBrowserWindowsHotKey);
    SetHotKey(2, ctx_.Opts.HideShowAllBrowserWindowsHotKey);
    SetHotKey(3, ctx_.Opts.StealthModeHotKey);
    SetMainTimerEnabled(true);
    ProcessMessages();
    UpdateStatus(0);
    return true;
}

bool TMainForm::CreateWindowAndControls() {
    RegisterClassOnce(kMainWindowClass,
                      ClassStyle{0, nullptr, skin_.bigIcon.Get(), skin_.smallIcon.Get()});
    int x = (GetSystemMetrics(SM_CXSCREEN) - layout::kClientWidth) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - layout::kClientHeight) / 2;
    if (!CreateAs(kMainWindowClass, WS_EX_APPWINDOW | WS_EX_CONTROLPARENT,
                  WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX,
                  platform::Utf8ToWide(kProgramTitle),
                  ui::Rect(x, y, layout::kClientWidth, layout::kClientHeight), nullptr))
        return false;
    taskbarCreatedMessage_ = RegisterWindowMessageW(L"TaskbarCreated");
    messageCountMessage_ = RegisterWindowMessageW(L"TidewellMessageCount");
    tooltip_.Reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0, Handle(),
                                   nullptr, GetModuleHandleW(nullptr), nullptr));
    if (tooltip_)
        SendMessageW(tooltip_.Get(), TTM_SETMAXTIPWIDTH, 0, 320);

    // The background at window size, kept as a brush (which holds its own copy): it paints the
    // background control and what lies behind the controls on it. The pictures are freed then.
    {
        ui::WindowDc screen(Handle());
        ui::UniqueBitmap backdrop(
            CreateCompatibleBitmap(screen.Get(), layout::kClientWidth, layout::kClientHeight));
        ui::UniqueMemoryDc dc(CreateCompatibleDC(screen.Get()));
        {
            ui::SelectedObject selected(dc.Get(), backdrop.Get());
            RECT all{0, 0, layout::kClientWidth, layout::kClientHeight};
            ui::UniqueBrush window(CreateSolidBrush(ui::palette::kWindow));
            FillRect(dc.Get(), &all, window.Get());
            ui::DrawPicture(dc.Get(), skin_.background, all);
        }
        backdropBrush_.Reset(CreatePatternBrush(backdrop.Get()));
    }
    skin_.background = ui::SkinPicture{};

    background_.Create(Handle(), ids::Background,
                       ui::Rect(0, 0, layout::kClientWidth, layout::kClientHeight),
                       ui::SkinBackground::Mode::Stretch, ui::palette::kWindow);
    background_.SetBrush(backdropBrush_.Get());
    CreateTitleStrip();
    CreatePageButtons();
    CreatePages();
    // Child windows made first lie on top: the background goes beneath all the others.
    SetWindowPos(background_.Handle(), HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return true;
}

void TMainForm::CreateTitleStrip() {
    const layout::Area& logo = layout::kLogo;
    logoButton_ = ui::CreateControl(Handle(), L"BUTTON", ids::BluefinchSBtn, BS_OWNERDRAW, 0,
                                    ui::Rect(logo.x, logo.y, logo.width, logo.height),
                                    DesignCaption(ids::BluefinchSBtn), fonts_.title.Get());
    SetHint(logoButton_, DesignHint(ids::BluefinchSBtn));

    const layout::Area& caption = layout::kCaption;
    captionLabel_ = ui::CreateLabel(Handle(), ids::CaptionLbl,
                                    ui::Rect(caption.x, caption.y, caption.width, caption.height),
                                    kProgramTitle, fonts_.bold.Get(), SS_RIGHT | SS_ENDELLIPSIS);
    const int smallIds[4] = {ids::HelpBtn, ids::InfoBtn, ids::MinimizeBtn, ids::HideBtn};
    for (int i = 0; i < 4; ++i) {
        int x = layout::kSmallButtonLeft + i * layout::kSmallButtonStep;
        auto& button = titleButtons_[static_cast<std::size_t>(i)];
        button.Create(Handle(), smallIds[i],
                      ui::Rect(x, layout::kSmallButtonTop, layout::kSmallButtonSize,
                               layout::kSmallButtonSize),
                      DesignCaption(smallIds[i]), fonts_.bold.Get());
        button.SetPictures({&skin_.smallButtonUp, &skin_.smallButtonDown, &skin_.smallButtonUp});
        button.SetCaptionLook(ui::palette::kWhite, nullptr);
        button.SetSliceMargin(0);
        SetHint(button.Handle(), DesignHint(smallIds[i]));
    }
}

void TMainForm::CreatePageButtons() {
    const int pageIds[kPageCount] = {ids::WashBtn,    ids::ObjectsBtn, ids::TasksBtn,
                                     ids::HotKeysBtn, ids::OptionsBtn, ids::VanishBtn};
    const layout::Area& first = layout::kNavButton;
    for (int i = 0; i < kPageCount; ++i) {
        auto& button = pageButtons_[static_cast<std::size_t>(i)];
        button.Create(
            Handle(), pageIds[i],
            ui::Rect(first.x, first.y + i * layout::kNavButtonStep, first.width, first.height),
            DesignCaption(pageIds[i]), fonts_.bold.Get());
        button.SetPictures(ButtonPictures());
        SetHint(button.Handle(), DesignHint(pageIds[i]));
    }
    const layout::Area& quit = layout::kQuitButton;
    quitButton_.Create(Handle(), ids::QuitBtn, ui::Rect(quit.x, quit.y, quit.width, quit.height),
                       DesignCaption(ids::QuitBtn), fonts_.bold.Get());
    quitButton_.SetPictures(ButtonPictures());
    SetHint(quitButton_.Handle(), DesignHint(ids::QuitBtn));
}

void TMainForm::CreatePages() {
    washPage_ = std::make_unique<WashPage>(*this);
    objectsPage_ = std::make_unique<ObjectsPage>(*this);
    tasksPage_ = std::make_unique<TasksPage>(*this);
    hotKeysPage_ = std::make_unique<HotKeysPage>(*this);
    optionsPage_ = std::make_unique<OptionsPage>(*this);
    vanishPage_ = std::make_unique<VanishPage>(*this);
    for (int i = 0; i < kPageCount; ++i)
        PageAt(static_cast<PageIndex>(i)).Create(Handle(), ids::PageTidewell + i);
    // The wash list is the catalogue's view and always there; the other pages wait to be
    // shown, and take the language and the options then.
    washPage_->Build();
    objectsPage_->Build();
    ShowPage(PageIndex::Tidewell);
}

void TMainForm::BuildPage(PageIndex index) {
    Page& page = PageAt(index);
    if (page.Built())
        return;
    page.Build();
    ApplyLanguageTo(ui::ChildWindows(page.Handle()));
    switch (index) {
        case PageIndex::Options:
            optionsPage_->ShowLanguages(languageEntries_, languageSelected_);
            optionsPage_->ShowOptions(ctx_.Opts);
            break;
        case PageIndex::Tasks:
            tasksPage_->ShowOptions(ctx_.Opts);
            break;
        case PageIndex::HotKeys:
            hotKeysPage_->ShowOptions(ctx_.Opts);
            break;
        case PageIndex::Vanish:
            vanishPage_->ApplyTexts();
            vanishPage_->SetLevelName(WashLevelShortName());
            break;
        default:
            break;
    }
    ReadOptionsFromControls();  // as after a load: what a control could not hold
    tasksPage_->UpdateControls(ctx_.Opts);
    hotKeysPage_->UpdateControls(ctx_.Opts);
}

HWND TMainForm::PageControl(int pageId, int controlId) {
    int index = pageId - ids::PageTidewell;
    if (index < 0 || index >= kPageCount)
        return nullptr;
    BuildPage(static_cast<PageIndex>(index));
    if (static_cast<PageIndex>(index) == PageIndex::Objects)
        objectsPage_->BuildListTabs();
    return PageAt(static_cast<PageIndex>(index)).Control(controlId);
}

void TMainForm::ApplyLanguageTo(const std::vector<HWND>& controls) {
    if (!settings_.Files.Language.empty())
        ui::ApplyLanguageTo(
            controls, kMainFormName, settings_.Language(),
            [this](HWND control, const std::string& hint) { SetHint(control, hint); });
}

void TMainForm::ShowPage(PageIndex page) {
    BuildPage(page);
    activePage_ = page;
    for (int i = 0; i < kPageCount; ++i)
        if (static_cast<PageIndex>(i) != page)
            PageAt(static_cast<PageIndex>(i)).Show(false);
    PageAt(page).Show(true);
}

void TMainForm::AssignVanishImageList() {
    // Taken when the Vanish page first shows: the shell's image list of file icons costs a few
    // megabytes that a program waiting in the tray does not need.
    if (vanishImagesAssigned_)
        return;
    vanishImagesAssigned_ = true;
    SHFILEINFOW info{};
    auto images = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoW(L"C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    if (images)
        vanishPage_->SetSystemImageList(images);
}

void TMainForm::OnCommand(int id) {
    switch (id) {
        case ids::WashBtn:
            WashBtnClick();
            break;
        case ids::ObjectsBtn:
            ObjectsBtnClick();
            break;
        case ids::TasksBtn:
            TasksBtnClick();
            break;
        case ids::HotKeysBtn:
            HotKeysBtnClick();
            break;
        case ids::OptionsBtn:
            OptionsBtnClick();
            break;
        case ids::VanishBtn:
            VanishBtnClick();
            break;
        case ids::QuitBtn:
            QuitBtnClick();
            break;
        case ids::HelpBtn:
            HelpBtnClick();
            break;
        case ids::InfoBtn:
            InfoBtnClick();
            break;
        case ids::MinimizeBtn:
            FormMinimize();
            break;
        case ids::HideBtn:
            HideBtnClick();
            break;
        case ids::BluefinchSBtn:
            BluefinchSBtnClick();
            break;
        default:
            break;
    }
}

LRESULT TMainForm::OnCtlColor(HDC dc, HWND control) {
    // Controls on the background show the background behind them.
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&r), 2);
    SetBrushOrgEx(dc, -r.left, -r.top, nullptr);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ui::palette::kWhite);
    return reinterpret_cast<LRESULT>(backdropBrush_.Get());
}

void TMainForm::DrawLogo(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT rect = item.rcItem;
    FillRect(dc, &rect, reinterpret_cast<HBRUSH>(OnCtlColor(dc, item.hwndItem)));
    int offset = (item.itemState & ODS_SELECTED) ? 1 : 0;
    int iconSize = 32;
    int top = rect.top + (rect.bottom - rect.top - iconSize) / 2 + offset;
    if (skin_.bigIcon)
        DrawIconEx(dc, rect.left + 2 + offset, top, skin_.bigIcon.Get(), iconSize, iconSize, 0,
                   nullptr, DI_NORMAL);
    std::wstring caption = platform::Utf8ToWide(ui::GetText(item.hwndItem));
    RECT text{rect.left + 42 + offset, rect.top + offset, rect.right, rect.bottom + offset};
    ui::SelectedObject font(dc, fonts_.title.Get());
    SetBkMode(dc, TRANSPARENT);
    RECT shadow = text;
    OffsetRect(&shadow, 1, 1);
    SetTextColor(dc, ui::palette::kDeep);
    DrawTextW(dc, caption.c_str(), -1, &shadow, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SetTextColor(dc, ui::palette::kWhite);
    DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

LRESULT TMainForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreatedMessage_ && taskbarCreatedMessage_ != 0) {
        if (!StealthActive) {
            trayIconShown_ = false;
            AddTrayIcon();
        }
        return 0;
    }
    if (message == messageCountMessage_ && messageCountMessage_ != 0)
        return static_cast<LRESULT>(messagesTaken_);
    switch (message) {
        case WM_QUERYENDSESSION:
            return OnQueryEndSession(wParam, lParam);
        case WM_ENDSESSION:
            OnEndSession(wParam != FALSE);
            return 0;
        case WM_HOTKEY:
            HotKeyAction(static_cast<int>(wParam));
            return 0;
        case WM_TIDEWELL_TRAY:
            OnTrayMessage(lParam);
            return 0;
        case WM_BROWSERWINDOW:
            if (wParam == 1)
                RegisterBrowserWindow(reinterpret_cast<HWND>(lParam));
            else if (wParam == 2)
                ForgetBrowserWindow(reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_HOOKMOUSE:
            OnHookMouse(wParam);
            break;  // and the default handling
        case WM_TIDEWELL_ACTIVATE:
            WmTidewellActivate();
            return 0;
        case WM_TIDEWELL_ENDSESSION:
            WashAndShutdownBtnClick(false);
            return 0;
        case WM_TIMER:
            if (wParam == kMainTimer)
                MainTimerTime();
            return 0;
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED)
                OnCommand(LOWORD(wParam));
            return 0;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->CtlID == static_cast<UINT>(ids::BluefinchSBtn))
                DrawLogo(*item);
            else
                ui::OwnerDrawn::Reflect(lParam);
            return TRUE;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_LBUTTONDOWN:
            BeginDrag();
            return 0;
        case WM_MOUSEMOVE:
            ContinueDrag();
            return 0;
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            EndDrag();
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE)
                FormActivate();
            break;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_RESTORE) {
                LRESULT result = Default(message, wParam, lParam);
                FormRestore();
                return result;
            }
            break;
        case WM_CLOSE:
            if (FormCloseQuery())
                DestroyWindow(Handle());
            return 0;
        case WM_DESTROY:
            FormDestroy();
            PostQuitMessage(0);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        default:
            break;
    }
    return Default(message, wParam, lParam);
}

void TMainForm::FormDestroy() {
    KillTimer(Handle(), kMainTimer);
    timerEnabled_ = false;
    RemoveTrayIcon();
    if (testWindow_)
        testWindow_->Destroy();
    if (aboutBox_)
        aboutBox_->Close();
}
