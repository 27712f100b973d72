// TAboutBox on Win32: the modal About window with its product texts, animated logo,
// quotation, free-resources figure and links. What the window does is orr::AboutForm's;
// this class builds the window from the shared design and is its view. Labels, bevels
// and pictures are drawn by the window itself in one off-screen pass, as graphic
// controls; the buttons and the logo are child windows.
#pragma once

#include <windows.h>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "about/about_form.h"
#include "about/about_texts.h"
#include "about/win32/ok_button.h"
#include "core/win32/font_cache.h"
#include "core/win32/handles.h"
#include "core/win32/window.h"

class TGIFImage;

class TAboutBox : public orr::win32::Window, public orr::AboutFormView, public orr::AboutForm {
public:
    // Owned by the main window, so that it always lies above it.
    explicit TAboutBox(HWND owner);
    ~TAboutBox() override;

    // Shows the window and returns when it is closed; the owner is disabled meanwhile.
    void ShowModal();

    // The view.
    void SetTimerEnabled(orr::AboutTimer timer, bool enabled) override;
    void SetLogoAnimate(bool on) override;
    void SetWindowCaption(const std::string& caption) override;
    std::string Caption(orr::about::Control control) const override;
    void SetCaption(orr::about::Control control, const std::string& caption) override;
    void SetHint(orr::about::Control control, const std::string& hint) override;
    void SetVisible(orr::about::Control control, bool visible) override;
    int Top(orr::about::Control control) const override;
    void SetTop(orr::about::Control control, int top) override;
    void SetHandCursor(orr::about::Control control) override;
    void SendToBack(orr::about::Control control) override;
    void SetKeyPreview(bool on) override { key_preview_ = on; }
    void HandToShell(const std::string& target) override;
    void CloseWindow() override { closed_ = true; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

private:
    // A control of the design: a child window, or a graphic control the window draws.
    struct Item {
        const orr::about::Design* design = nullptr;
        RECT bounds{};  // client coordinates of the window
        POINT origin{}; // of its parent, in the same coordinates
        std::string caption;
        std::string hint;
        bool visible = true;
        bool hand = false;
        HWND window = nullptr;
        orr::win32::SharedFont font;
    };
    static constexpr UINT_PTR kQuoteTimer = 1;
    static constexpr UINT_PTR kFreeResourcesTimer = 2;

    Item& item(orr::about::Control control) { return items_[static_cast<std::size_t>(control)]; }
    const Item& item(orr::about::Control control) const { return items_[static_cast<std::size_t>(control)]; }
    bool Command(int id);

    void AddControl(const orr::about::Design& design);
    orr::win32::SharedFont Font(const orr::about::Font& wanted);
    void FitToText(Item& label);
    void UpdateHint(orr::about::Control control);
    void CentreOnScreen();
    void RunModalLoop();

    // Painting of the graphic controls and their hit-testing (about_box_paint.cpp).
    void PaintScene(HDC dc) const;
    void PaintGroup(HDC dc, orr::about::Control group) const;
    void PaintItem(HDC dc, const Item& item) const;
    const Item* GraphicAt(POINT point) const;
    std::optional<orr::about::Control> ControlAt(LPARAM point) const;

    HWND owner_;
    HWND hints_ = nullptr;
    std::array<Item, orr::about::kControlCount> items_;
    // GroupBox1's graphic controls, back to front; SendToBack reorders them.
    std::vector<orr::about::Control> order_;
    orr::win32::FontCache fonts_;
    std::unique_ptr<TGIFImage> logo_;
    orr::win32::GdiObject<HBITMAP> banner_;
    orr::win32::GdiObject<HBITMAP> badge_;
    OkButtonFace ok_face_;
    int frame_top_ = 0; // a caption-less group box's frame lies half a text line down
    bool key_preview_ = false;
    bool closed_ = true;
};
