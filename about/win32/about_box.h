// TAboutBox on Win32: the modal About window with its product texts, animated logo,
// quotation, free-resources figure and links. What the window does is orr::AboutForm's;
// this class builds the window from the shared design and is its view. Labels, bevels
// and pictures are drawn by the window itself in one off-screen pass, as graphic
// controls; the buttons and the logo are child windows.
#pragma once

#include <windows.h>
#include <array>
#include <memory>
#include <string>

#include "about/about_form.h"
#include "about/about_scene.h"
#include "core/win32/font_cache.h"
#include "core/win32/handles.h"
#include "core/win32/hints.h"
#include "core/win32/window.h"

class TGIFImage;

class TAboutBox : public orr::win32::Window, public orr::about::Scene, public orr::AboutForm {
public:
    // Owned by the main window, so that it always lies above it.
    explicit TAboutBox(HWND owner);
    ~TAboutBox() override;

    // Shows the window and returns when it is closed; the owner is disabled meanwhile.
    void ShowModal();

    // The view, beside the controls the scene keeps.
    void SetTimerEnabled(orr::AboutTimer timer, bool enabled) override;
    void SetLogoAnimate(bool on) override;
    void SetWindowCaption(const std::string& caption) override;
    void HandToShell(const std::string& target) override;
    void CloseWindow() override { closed_ = true; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    orr::about::Size TextSize(orr::about::Control control) const override;
    void Changed(orr::about::Control control, orr::about::Change change,
                 const orr::about::Rect& was) override;

private:
    static constexpr UINT_PTR kFirstTimer = 1; // then one id for each AboutTimer

    HWND Child(orr::about::Control control) const { return windows_[static_cast<std::size_t>(control)]; }
    HFONT FontOf(orr::about::Control control) const
    {
        return fonts_of_[static_cast<std::size_t>(control)].get();
    }
    bool Command(int id);

    void AddControl(const orr::about::Design& design);
    orr::win32::SharedFont Font(const orr::about::Font& wanted);
    void Invalidate(const orr::about::Rect& area) const;
    void UpdateHints();
    void AddHint(orr::about::Control control);
    orr::win32::HintTool HintOf(orr::about::Control control) const;
    void RunModalLoop();

    // Painting (about_box_paint.cpp).
    void PaintScene(HDC dc) const;
    void PaintGroup(HDC dc, orr::about::Control group) const;
    void PaintItem(HDC dc, orr::about::Control control) const;
    void PaintOkButton(const DRAWITEMSTRUCT& item) const;

    HWND owner_;
    HWND hints_ = nullptr;
    // Per control: its child window (none for a graphic control) and its font.
    std::array<HWND, orr::about::kControlCount> windows_{};
    std::array<orr::win32::SharedFont, orr::about::kControlCount> fonts_of_;
    orr::win32::FontCache fonts_;
    std::unique_ptr<TGIFImage> logo_;
    orr::win32::GdiObject<HBITMAP> banner_;
    orr::win32::GdiObject<HBITMAP> badge_;
    orr::win32::GdiObject<HBITMAP> ok_glyph_;
    int frame_top_ = 0; // a caption-less group box's frame lies half a text line down
    bool closed_ = true;
};
