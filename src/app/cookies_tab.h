#pragma once
// The "IE Cookies" tab of the Objects page: the accepted cookies (AcceptedCookieList), checked,
// then the other cookies of Internet Explorer's cache; a check mark spares a cookie from the
// IE cookies wash.
#include <windows.h>

#include "lists/accepted_cookies_list.h"
#include "ui/check_list.h"

class TMainForm;

class CookiesTab {
  public:
    explicit CookiesTab(TMainForm& form) : form_(form) {}
    void SetList(HWND list) { list_.SetList(list); }

    // The list is built again from the accepted names and the cache. Ignored during a wash.
    void CookiesPageClick();
    void SelectAllCookieListItemsBtnClick();
    void DeselectAllCookieListItemsBtnClick();
    // The list's notifications; true when handled, with the answer in `result`.
    bool OnListNotify(const NMHDR& header, LRESULT& result);

  private:
    void CookieListClickCheck(int index);
    void ShowItems();
    void ShowChecks();

    TMainForm& form_;
    ui::CheckList list_;
    AcceptedCookiesList model_;
};
