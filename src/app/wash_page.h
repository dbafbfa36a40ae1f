#pragma once
// The page "Tidewell": the wash status list with its three header labels, the wash level, the
// last wash, the progress text and the Go button.
#include <string>
#include <vector>

#include "app/page.h"
#include "catalogue/catalogue_view.h"

class WashPage : public Page {
  public:
    static constexpr int kFirstColumnWidth = 270;
    static constexpr int kOtherColumnWidth = 80;
    static constexpr int kColumnMinimum = 80;

    explicit WashPage(TMainForm& form) : Page(form, "Tidewell") {}

    HWND WashList() const { return washList_; }
    ui::SkinButton& GoButton() { return *goButton_; }

    void ShowRows(const std::vector<StatusRow>& rows, HIMAGELIST icons);
    void SetRowText(int row, int column, const std::string& text);
    void RevealRow(int row);
    // The status list's columns and the header labels over them.
    int ClientWidth() const;
    int ColumnWidth(int column) const;
    void SetFirstColumnWidth(int width);
    void LayHeaderLabels();

    void SetLevelName(const std::string& name);
    void SetLastWash(const std::string& text);
    void SetProgress(const std::string& text);

  protected:
    void CreateControls() override;
    void OnCommand(int id, int code, HWND control) override;
    StaticLook LookOf(int id) const override;

  private:
    HWND washList_ = nullptr;
    int firstColumnWidth_ = kFirstColumnWidth;  // the widths are only ever set from here
    ui::SkinButton* goButton_ = nullptr;
    ui::UniqueBrush headerBrush_;
};
