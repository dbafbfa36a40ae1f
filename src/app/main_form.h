#pragma once
// TMainForm, the program's main window: borderless and skinned, six pages shown one at a time,
// the tray icon, the main timer and the window messages from outside. It owns the run-time
// state (the catalogue, the washer table, the run context) and shows a wash run through its
// controls (WashView), the catalogue (CatalogueView) and the settings (SettingsHost).
#include <windows.h>
#include <shellapi.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/hook_library.h"
#include "app/skin.h"
#include "app/startup.h"
#include "browsers/browser_windows.h"
#include "catalogue/catalogue_ops.h"
#include "catalogue/settings.h"
#include "engine/test_run.h"
#include "engine/wash_context.h"
#include "engine/washer_table.h"
#include "tasks/activity_log.h"
#include "ui/about_box.h"
#include "ui/controls.h"
#include "ui/skin_background.h"
#include "ui/skin_button.h"
#include "ui/window.h"

class Page;
class WashPage;
class ObjectsPage;
class TasksPage;
class HotKeysPage;
class OptionsPage;
class VanishPage;
class TTidewellTestWindow;

// Window messages of the program.
constexpr UINT WM_TIDEWELL_TRAY = WM_USER + 1;  // 0x401
constexpr UINT WM_TIDEWELL_ACTIVATE = 0x1400;
constexpr UINT WM_TIDEWELL_ENDSESSION = 0x1401;
constexpr UINT WM_BROWSERWINDOW = 0x2401;
constexpr UINT WM_HOOKMOUSE = 0x2403;

class TMainForm : public ui::Window,
                  public ui::MessageFilter,
                  public WashView,
                  public CatalogueView,
                  public SettingsHost {
  public:
    enum class PageIndex { Tidewell, Objects, Tasks, HotKeys, Options, Vanish };
    static constexpr int kPageCount = 6;
    static constexpr UINT_PTR kMainTimer = 1;
    static constexpr UINT kMainTimerInterval = 1000;
    static constexpr UINT kTrayIconId = 100;

    // `files`: where the settings, the language file and the log are (tests use a folder of
    // their own).
    explicit TMainForm(StartupFlags& flags, SettingsFiles files = DefaultSettingsFiles());
    ~TMainForm() override;

    // Creates the window (hidden) and runs the creation steps (FormCreate).
    bool Create();
    // The message loop shows the window: FormShow.
    void Show();

    // State.
    WashContext& Context() { return ctx_; }
    Catalogue& Objects() { return catalogue_; }
    const ui::Fonts& GetFonts() const { return fonts_; }
    const ui::SkinLook& Look() const { return look_; }
    ui::SkinButton::Pictures ButtonPictures() const;
    const Skin& GetSkin() const { return skin_; }
    HBRUSH BackdropBrush() const { return backdropBrush_.Get(); }
    ActivityLogFile& Log() { return log_; }
    PageIndex ActivePage() const { return activePage_; }
    std::string ActivePageName() const;
    // A control of a page (PageTidewell .. PageVanish), the page (and its tabs) built first if
    // it was not yet.
    HWND PageControl(int pageId, int controlId);
    // The current language for controls made after it was applied.
    void ApplyLanguageTo(const std::vector<HWND>& controls);
    TTidewellTestWindow* TestWindow() { return testWindow_.get(); }
    bool TrayIconShown() const { return trayIconShown_; }
    int TrayIconFrame() const { return sunListTag_; }  // the SunList image in the tray
    // Messages taken from the queue so far (the idle benchmark asks for it with the registered
    // message "TidewellMessageCount").
    unsigned long MessagesTaken() const { return messagesTaken_; }

    // A language text of the main window, with its English default.
    std::string Text(int textId, const std::string& english) const;
    // The same, with the English text the window was designed with (design_texts.h).
    std::string Text(int textId) const;
    void SetHint(HWND control, const std::string& hint);

    // Flags of the main window.
    bool StealthActive = false;
    bool BrowsersHidden = false;
    bool HotKeyEditing = false;
    std::array<HotKeyCode, 3> RegisteredHotKeys{};
    bool LeftButtonDown = false;
    bool RightButtonDown = false;
    bool AltF4Pressed = false;
    double IntervalRemaining = 0;
    double DailyRemaining = 0;
    int DragAnchorX = 0;
    int DragAnchorY = 0;
    bool SessionEndingLogoff = false;
    bool SessionEndingShutdown = false;
    // The open browser windows the program knows of (BrowserWindowList).
    const BrowserWindowList& BrowserWindowLines() const { return browsers_.List(); }

    // Page buttons and the title strip.
    void WashBtnClick();
    void ObjectsBtnClick();
    void TasksBtnClick();
    void HotKeysBtnClick();
    void OptionsBtnClick();
    void VanishBtnClick();
    void QuitBtnClick();
    void HelpBtnClick();
    void InfoBtnClick();
    void BluefinchSBtnClick();
    void HideBtnClick();
    void FormMinimize();
    void FormRestore();

    // Lifecycle.
    void FormShow();
    void FormActivate();
    bool FormCloseQuery();
    void FormDestroy();
    void WmTidewellActivate();

    // The wash run and the test run.
    void ScrubAndGoBtnClick();
    void RunTestBtnClick();
    bool ShowTestWindow();

    // The catalogue's buttons and check list (inert while a run is in progress).
    void WashingListClickCheck(int row, bool checked);
    void AddWashingListItemBtnClick();
    void EditWashingListItemBtnClick();
    void DeleteWashingListItemBtnClick();
    void DefaultObjectsBtnClick();
    void SelectAllWashingListItemsBtnClick();
    void DeselectAllWashingListItemsBtnClick();
    void ObjectsPagesChange(ObjectsTab tab);

    // Tasks: the pickers of the scheduler, and wash-and-shut-down (from its button, or when
    // Windows ends the session).
    void AutoWashTimeIntervalDtpChange(int pickerId);
    void WashAndShutdownBtnClick(bool fromButton);

    // Timer and status.
    void MainTimerTime();
    void UpdateStatus(int senderId);
    // An option control changed: the options follow the controls, then the status.
    void OptionChanged(int controlId);
    void WashBlurModeListChange();
    void LanguageListChanged();
    // The wash level's short name for the Wash and Vanish pages.
    std::string WashLevelShortName() const;

    // The tray icon.
    void AddTrayIcon();
    void RemoveTrayIcon();
    void ShowTrayFrame(int frame);

    // WashView.
    void SetProgressText(const std::string& text) override;
    void SetRowEntries(int row, const std::string& entriesAndSize) override;
    void SetRowStatus(int row, const std::string& status) override;
    void RevealRow(int row) override;
    ConfirmAnswer Confirm(const std::string& question) override;
    bool TestWindowShown() const override;
    std::string ChosenWashLevelText() const override;
    void AppendTestLine(const std::string& line) override;
    void ProcessMessages() override;
    void ShowWashPage() override;
    void RestoreWindowIfAway() override;
    void SetGoButtonLook(bool running) override;
    void SetGoButtonCaption(bool running) override;
    void SetMainTimerEnabled(bool enabled) override;
    bool CloseBrowsers() override;
    void UpdateStatus() override { UpdateStatus(0); }
    void AnimateTray() override;
    void SetBusyCursor(bool busy) override;

    // CatalogueView.
    void AppendRow(const std::string& displayName, bool checked) override;
    void RemoveRow(std::size_t row) override;
    void SetRowChecked(std::size_t row, bool checked) override;
    void RepaintWashingList() override;
    void ShowStatusRows(const std::vector<StatusRow>& rows) override;
    void ShowObjectsTab(ObjectsTab tab) override;
    bool AskYesNo(int textId, const std::string& englishQuestion) override;
    void IndexDatTaskWanted(bool wanted) override;

    // SettingsHost.
    SettingsState& Settings() override { return settings_; }
    CatalogueView& ObjectsView() override { return *this; }
    void ShowShellFolderWarning(const std::string& text) override;
    void ShowLanguageList(const std::vector<std::string>& entries, int selected) override;
    void ApplyLanguage(const LanguageChoice& language) override;
    void ShowLoadedOptions() override;
    void RunObjectDetection() override;
    void SetCaption(const std::string& caption) override;
    void OpenActivityLog() override;
    void CloseActivityLog() override;
    void FindRunningBrowsers() override;
    void StartHookLibrary() override;
    void StopHookLibrary() override;

    // MessageFilter: the window sees keys before its controls.
    bool PreTranslate(MSG& message) override;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // Creation.
    bool CreateWindowAndControls();
    void CreateTitleStrip();
    void CreatePageButtons();
    void CreatePages();
    void RegisterContextMenuHandler();
    void UnregisterContextMenuHandler();
    void AssignVanishImageList();

    // Messages.
    void OnCommand(int id);
    LRESULT OnCtlColor(HDC dc, HWND control);
    void DrawLogo(const DRAWITEMSTRUCT& item);
    void OnTrayMessage(LPARAM mouseMessage);
    void OnHookMouse(WPARAM mouseMessage);
    LRESULT OnQueryEndSession(WPARAM wParam, LPARAM lParam);
    void OnEndSession(bool sessionEnding);
    void OnKeyDown(const MSG& message);
    void OnKeyUp(const MSG& message);
    void BeginDrag();
    void ContinueDrag();
    void EndDrag();
    void CloseSteps();
    void ShowAboutBox(bool closeButton);

    // Pages.
    void ShowPage(PageIndex page);
    Page& PageAt(PageIndex page);
    // Builds a page on its first showing, with what the settings load gave the others.
    void BuildPage(PageIndex page);
    void RefreshWashLevelLabels();

    // Work that belongs to other parts of the program; these are the places they plug in.
    void SetHotKey(int id, HotKeyCode code);
    void HotKeyAction(int id);
    void BossKeyCheck();
    void HideShowBrowsers();
    void HideBrowsers();
    void ToggleStealthMode();
    LRESULT WashBeforeSessionEnds(WPARAM wParam, LPARAM lParam);
    void RegisterBrowserWindow(HWND window);
    void ForgetBrowserWindow(HWND window);
    bool BrowserIsRunning();
    void ShowBrowsers();
    void UpdateDesktopIntegration(int senderId);
    void SchedulerTriggers();

    void ReadOptionsFromControls();
    void ArmIntervalCountdown();
    void ArmDailyCountdown();
    void CountDownSchedulers();

    // The status list's first column.
    void FitWashListColumns(bool fromRefresh, int rowCount);

    StartupFlags& flags_;
    ui::Fonts fonts_;
    Skin skin_;
    Catalogue catalogue_;
    WasherTable washers_;
    WashContext ctx_;
    SettingsState settings_;
    HookLibrary hooks_;
    BrowserWindows browsers_{[this] { ProcessMessages(); }};
    ActivityLogFile log_;
    TestRunListing listing_;

    ui::SkinBackground background_;
    ui::UniqueBrush backdropBrush_;  // the background at window size
    ui::UniqueWindow tooltip_;
    HWND captionLabel_ = nullptr;
    HWND logoButton_ = nullptr;
    std::array<ui::SkinButton, 4> titleButtons_;
    std::array<ui::SkinButton, kPageCount> pageButtons_;
    ui::SkinButton quitButton_;

    std::unique_ptr<WashPage> washPage_;
    std::unique_ptr<ObjectsPage> objectsPage_;
    std::unique_ptr<TasksPage> tasksPage_;
    std::unique_ptr<HotKeysPage> hotKeysPage_;
    std::unique_ptr<OptionsPage> optionsPage_;
    std::unique_ptr<VanishPage> vanishPage_;
    PageIndex activePage_ = PageIndex::Tidewell;

    std::unique_ptr<TTidewellTestWindow> testWindow_;
    std::unique_ptr<ui::TAboutBox> aboutBox_;
    ui::SkinLook look_;

    NOTIFYICONDATAW trayIconData_{};
    ui::UniqueIcon trayIcon_;
    int sunListTag_ = 0;  // index of the tray icon's current image
    bool trayIconShown_ = false;
    UINT taskbarCreatedMessage_ = 0;
    UINT messageCountMessage_ = 0;
    unsigned long messagesTaken_ = 0;
    bool timerEnabled_ = false;
    bool dragging_ = false;
    bool closing_ = false;
    bool sessionEndAfterWash_ = false;  // Windows asked to end the session during a wash
    int washListFirstColumnMax_ = 0;    // 0 = no limit
    bool vanishImagesAssigned_ = false;
    // The language list as loaded, for the Options page when it is built.
    std::vector<std::string> languageEntries_;
    int languageSelected_ = -1;
};
