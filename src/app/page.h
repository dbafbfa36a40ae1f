#pragma once
// A page of the main window: a child window that holds the page's controls, forwards their
// notifications to the page's handlers and paints them on the page colour.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/gdi_handles.h"
#include "ui/skin_button.h"
#include "ui/window.h"

class TMainForm;

class Page : public ui::Window {
  public:
    Page(TMainForm& form, std::string name) : form_(form), name_(std::move(name)) {}
    ~Page() override;

    // Creates the page window (hidden); its controls come with Build.
    bool Create(HWND parent, int id);
    // Creates the controls, once. Pages not yet shown are not built: making the controls of
    // every page costs a start about as much as the rest of it.
    void Build();
    bool Built() const { return built_; }
    const std::string& Name() const { return name_; }
    void Show(bool visible);
    bool Visible() const;
    HWND Control(int id) const { return GetDlgItem(Handle(), id); }

  protected:
    virtual void CreateControls() = 0;
    virtual void OnCommand(int /*id*/, int /*code*/, HWND /*control*/) {}
    virtual LRESULT OnNotify(const NMHDR& /*header*/, bool& handled) {
        handled = false;
        return 0;
    }
    virtual void OnDrawItem(const DRAWITEMSTRUCT& /*item*/) {}
    // The look of a static control (label, check box, group box) on this page.
    struct StaticLook {
        COLORREF text;
        HBRUSH brush;
    };
    virtual StaticLook LookOf(int id) const;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Controls with their design texts (and hints) by tag.
    HWND Label(int id, int x, int y, int width, int height, DWORD align = SS_LEFT);
    HWND Heading(int id, int x, int y, int width);
    HWND CheckBox(int id, int x, int y, int width);
    HWND GroupBox(int id, int x, int y, int width, int height);
    ui::SkinButton& Button(int id, int x, int y, int width, int height);
    ui::SkinButton* FindButton(int id);

    TMainForm& form_;
    HBRUSH PanelBrush() const { return panelBrush_.Get(); }

  private:
    std::string name_;
    bool built_ = false;
    ui::UniqueBrush panelBrush_;
    std::vector<std::unique_ptr<ui::SkinButton>> buttons_;
};
