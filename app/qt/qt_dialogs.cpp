#include "app/qt/qt_dialogs.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

#include "app/main_form_design.h"
#include "app/qt/frame_extents.h"
#include "app/qt/window_manager_events.h"

namespace {

QMessageBox::Icon icon_of(orr::BoxKind kind)
{
    switch (kind) {
    case orr::BoxKind::Information: return QMessageBox::Information;
    case orr::BoxKind::Warning: return QMessageBox::Warning;
    case orr::BoxKind::Error: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

// A box transient for the main window, so it stays above it even when that window is
// always on top, yet centred on the screen rather than over its owner.
class OwnedMessageBox : public QMessageBox {
public:
    OwnedMessageBox(Icon icon, const QString& caption, const QString& text, QWidget* owner)
        : QMessageBox(icon, caption, text, NoButton, owner),
          frame_announced_(*this, {nullptr, [this](QMargins frame, bool) { Centre(frame); }})
    {}

protected:
    void showEvent(QShowEvent* event) override
    {
        const QWidget* owner = parentWidget();
        screen_ = owner ? owner->screen() : QGuiApplication::primaryScreen();
        if (!screen_)
            return QMessageBox::showEvent(event);
        KeepOneLineWhole(*screen_);
        // The box has its final size here, before it is mapped.
        QMessageBox::showEvent(event);
        // The owner's frame stands in for the box's own until the window manager announces
        // that; the two differ when the owner is maximised or the box has no resize handle.
        Centre(owner && owner->windowHandle() ? owner->windowHandle()->frameMargins() : QMargins());
        orr::window::request_frame_margins(this);
    }

private:
    void Centre(QMargins frame)
    {
        if (!screen_)
            return;
        QRect placed(QPoint(), size().grownBy(frame));
        placed.moveCenter(screen_->availableGeometry().center());
        // The window's own area, which does not depend on whether Qt knows the frame yet.
        setGeometry(QRect(placed.topLeft() + QPoint(frame.left(), frame.top()), size()));
    }

    // QMessageBox wraps any text wider than about 500 pixels; as in a Windows box, a one-line
    // text keeps to one line while it fits in five eighths of the screen.
    void KeepOneLineWhole(const QScreen& screen)
    {
        auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (!label || label->text().contains(QLatin1Char('\n')))
            return;
        const int width = label->fontMetrics().horizontalAdvance(label->text());
        if (width <= screen.availableGeometry().width() * 5 / 8)
            label->setMinimumWidth(width);
    }

    QPointer<QScreen> screen_;
    orr::window::WindowManagerEvents frame_announced_;
};

} // namespace

orr::BoxAnswer QtDialogs::show(const orr::BoxRequest& box)
{
    QString text = QString::fromStdString(box.text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    OwnedMessageBox message(icon_of(box.kind), QString::fromStdString(box.caption), text, owner_);
    // A file or folder name is shown as written, never read as markup.
    message.setTextFormat(Qt::PlainText);
    // Ctrl+C copies the box's text, as a Windows message box does.
    QShortcut copy(QKeySequence::Copy, &message);
    QObject::connect(&copy, &QShortcut::activated, [&text] { QGuiApplication::clipboard()->setText(text); });
    if (box.buttons == orr::BoxButtons::Ok) {
        message.addButton(QString::fromLatin1(orr::mainform::kOkText), QMessageBox::AcceptRole);
        message.exec();
        return orr::BoxAnswer::Ok;
    }
    QPushButton* yes = message.addButton(QString::fromLatin1(orr::mainform::kYesText), QMessageBox::YesRole);
    QPushButton* no = message.addButton(QString::fromLatin1(orr::mainform::kNoText), QMessageBox::NoRole);
    message.setDefaultButton(yes);
    message.setEscapeButton(no);
    message.exec();
    return message.clickedButton() == yes ? orr::BoxAnswer::Yes : orr::BoxAnswer::No;
}
