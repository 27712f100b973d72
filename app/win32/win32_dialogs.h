// The Win32 message boxes: the three kinds of core/dialogs.h over MessageBoxW, owned by
// the main window, centred on the screen, and answering No to Escape in a Yes/No box.
#pragma once

#include <windows.h>

#include "core/dialogs.h"

class Win32Dialogs : public orr::Dialogs {
public:
    // The main window is made after the dialogs are installed; until then boxes have no owner.
    void SetOwner(HWND owner) { owner_ = owner; }

    orr::BoxAnswer show(const orr::BoxRequest& box) override;

private:
    HWND owner_ = nullptr;
};
