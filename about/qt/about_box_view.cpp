// TAboutBox as the view of orr::AboutForm: each request, and each change of a control
// the scene keeps, applied to its Qt widget.
#include <QAbstractButton>
#include <QLabel>
#include <QTimer>

#include "about/qt/about_box.h"
#include "about/qt/gif_image.h"
#include "platform/shell_open.h"

using orr::about::Change;
using orr::about::Control;

void TAboutBox::SetTimerEnabled(orr::AboutTimer timer, bool enabled)
{
    QTimer* which = timer == orr::AboutTimer::Quote_Change_Timer ? Quote_Change_Timer : Free_Resources_Timer;
    enabled ? which->start() : which->stop();
}

void TAboutBox::SetLogoAnimate(bool on) { Vintrel_Logo_GIFImage->Animator().SetAnimate(on); }

orr::about::Size TAboutBox::TextSize(Control control) const
{
    const QSize size = Widget(control)->sizeHint();
    return {size.width(), size.height()};
}

void TAboutBox::Changed(Control control, Change change, const orr::about::Rect&)
{
    QWidget* widget = Widget(control);
    const orr::about::ControlState& it = State(control);
    switch (change) {
    case Change::Caption:
        if (auto* label = qobject_cast<QLabel*>(widget))
            label->setText(QString::fromStdString(it.caption));
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            button->setText(QString::fromStdString(it.caption));
        break;
    case Change::Hint: widget->setToolTip(QString::fromStdString(it.hint)); break;
    case Change::Visible: widget->setVisible(it.visible); break;
    case Change::Bounds:
        widget->setGeometry(widget->x(), Top(control), it.bounds.width(), it.bounds.height());
        break;
    case Change::Cursor: widget->setCursor(Qt::PointingHandCursor); break;
    case Change::Stacking: widget->lower(); break;
    }
}

void TAboutBox::HandToShell(const std::string& target)
{
    orr::platform::shell_open(target, reinterpret_cast<orr::platform::OwnerWindow>(window()->winId()));
}

void TAboutBox::CloseWindow() { done(QDialog::Accepted); }
