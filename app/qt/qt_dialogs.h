// Message boxes shown with QMessageBox: fixed captions, icons and button texts.
#pragma once

#include "core/dialogs.h"

class QtDialogs : public orr::Dialogs {
public:
    orr::BoxAnswer show(const orr::BoxRequest& box) override;
};
