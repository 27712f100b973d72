// TAboutBox as the view of orr::AboutForm: each request applied to its Qt widget.
#include <QAbstractButton>
#include <QLabel>
#include <QTimer>

#include "about/qt/about_box.h"
#include "about/qt/gif_image.h"
#include "platform/shell_open.h"

using orr::about::Control;

void TAboutBox::SetTimerEnabled(orr::AboutTimer timer, bool enabled)
{
    QTimer* which = timer == orr::AboutTimer::Quote_Change_Timer ? Quote_Change_Timer : Free_Resources_Timer;
    enabled ? which->start() : which->stop();
}

void TAboutBox::SetLogoAnimate(bool on) { Vintrel_Logo_GIFImage->Animator().SetAnimate(on); }

std::string TAboutBox::Caption(Control control) const
{
    if (auto* label = qobject_cast<QLabel*>(Widget(control)))
        return label->text().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(Widget(control)))
        return button->text().toStdString();
    return {};
}

void TAboutBox::SetCaption(Control control, const std::string& caption)
{
    const QString text = QString::fromStdString(caption);
    if (auto* label = qobject_cast<QLabel*>(Widget(control))) {
        label->setText(text);
        if (orr::about::design(control).style & orr::about::kAutoSize)
            label->adjustSize();
    } else if (auto* button = qobject_cast<QAbstractButton*>(Widget(control))) {
        button->setText(text);
    }
}

void TAboutBox::SetHint(Control control, const std::string& hint)
{
    Widget(control)->setToolTip(QString::fromStdString(hint));
}

void TAboutBox::SetVisible(Control control, bool visible) { Widget(control)->setVisible(visible); }

int TAboutBox::Top(Control control) const { return Widget(control)->y(); }

void TAboutBox::SetTop(Control control, int top) { Widget(control)->move(Widget(control)->x(), top); }

void TAboutBox::SetHandCursor(Control control) { Widget(control)->setCursor(Qt::PointingHandCursor); }

void TAboutBox::SendToBack(Control control) { Widget(control)->lower(); }

void TAboutBox::HandToShell(const std::string& target)
{
    orr::platform::shell_open(target, reinterpret_cast<orr::platform::OwnerWindow>(window()->winId()));
}

void TAboutBox::CloseWindow() { done(QDialog::Accepted); }
