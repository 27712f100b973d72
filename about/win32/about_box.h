// TAboutBox on Win32: the About window with the product texts and the mail and web
// links, created hidden at start and shown modally over the main window.
#pragma once

#include <windows.h>

#include "about/about_texts.h"

class TAboutBox {
public:
    explicit TAboutBox(HWND owner);
    ~TAboutBox();
    TAboutBox(const TAboutBox&) = delete;
    TAboutBox& operator=(const TAboutBox&) = delete;

    HWND Handle() const { return handle_; }
    void SetTexts(const orr::AboutTexts& texts);
    // Shows the window and returns when it is closed; the owner is disabled meanwhile.
    void ShowModal();

    HWND ProductName = nullptr;
    HWND Author_and_Date = nullptr;
    HWND Developed_using = nullptr;
    HWND Copyright = nullptr;
    HWND Software_Status = nullptr;
    HWND Comments = nullptr;
    HWND WEB_Page_Label = nullptr;
    HWND Email_Button = nullptr;
    HWND WEB_Button = nullptr;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

    HWND owner_;
    HWND handle_ = nullptr;
    bool closed_ = false;
};
