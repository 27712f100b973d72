// Message boxes shown with QMessageBox: fixed captions, icons and button texts, owned
// by the main window and centred on the screen.
#pragma once

#include <QPointer>
#include <QWidget>

#include "core/dialogs.h"

class QtDialogs : public orr::Dialogs {
public:
    // The main window is made after the dialogs are installed; until then boxes have no owner.
    void SetOwner(QWidget* owner) { owner_ = owner; }

    orr::BoxAnswer show(const orr::BoxRequest& box) override;

private:
    QPointer<QWidget> owner_;
};
