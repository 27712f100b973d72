// What the main window's behaviour asks of the Qt window, answered with its widgets.
#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QScreen>
#include <QToolButton>

#include "about/qt/about_box.h"
#include "app/print/qt/qt_page.h"
#include "app/qt/always_on_top.h"
#include "app/qt/main_form1.h"
#include "app/scaling/screen_density.h"
#include "monthgrid/qt/calendar.h"

namespace {

QRect to_qrect(const orr::Bounds& r) { return QRect(r.left, r.top, r.width, r.height); }
orr::Bounds to_rect(const QRect& r) { return {r.left(), r.top(), r.width(), r.height()}; }

} // namespace

void TMainForm1::SetYearText(const std::string& text)
{
    const QString year = QString::fromStdString(text);
    Year_Edit->setText(year);
    // Setting the name also tells a screen reader that it changed.
    Year_Edit->setAccessibleName(year);
}

void TMainForm1::SetCalendarDatePart(int month, orr::DatePart part, int value)
{
    calendars_[month - 1]->Core().SetDatePart(static_cast<int>(part), value);
}

void TMainForm1::SetLabelColour(int month, int colour)
{
    QLabel* label = labels_[month - 1];
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText,
                     QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF));
    label->setPalette(palette);
}

void TMainForm1::SetYearButtonsEnabled(bool previous, bool next)
{
    Last_Year_SpeedButton->setEnabled(previous);
    Next_Year_SpeedButton->setEnabled(next);
}

// Qt lays out in pixels of 96 per inch and scales them to the screen itself.
int TMainForm1::DesignDensity() const { return orr::kDesignPixelsPerInch; }

void TMainForm1::PlaceControls(const std::vector<orr::ControlPlacement>& batch)
{
    // Painted once, when the last control is in place.
    client_->setUpdatesEnabled(false);
    for (const orr::ControlPlacement& placed : batch) {
        auto* control = static_cast<QWidget*>(components_[placed.index]);
        const orr::Bounds& b = placed.bounds;
        control->setGeometry(b.left, b.top, b.width, b.height);
        QFont font = control->font();
        font.setPixelSize(-placed.font_height);
        control->setFont(font);
    }
    client_->setUpdatesEnabled(true);
}

void TMainForm1::MirrorLayoutRecord(const std::vector<std::string>& lines)
{
    Scaling_ListBox->clear();
    for (const std::string& line : lines)
        Scaling_ListBox->addItem(QString::fromStdString(line));
}

orr::Bounds TMainForm1::ClientRect() const
{
    // A hidden window lays out its client area only as it is shown; until then it is
    // what the menu bar leaves of the window.
    if (!isVisible())
        return {0, 0, width(), height() - menuBar()->sizeHint().height()};
    return {0, 0, client_->width(), client_->height()};
}

void TMainForm1::SetClientSize(int width, int height)
{
    // The menu bar sits above the client area, inside the window.
    frame_.Resize(QSize(width, height + menuBar()->sizeHint().height()));
}

// Maximised or minimised, the place kept is the one the window returns to.
orr::Bounds TMainForm1::OuterBounds() const { return to_rect(frame_.OuterBounds()); }

void TMainForm1::SetOuterBounds(const orr::Bounds& outer) { frame_.SetOuterBounds(to_qrect(outer)); }

orr::Screens TMainForm1::ScreenLayout() const
{
    orr::Screens layout;
    // Qt lists the primary screen first.
    for (const QScreen* screen : QGuiApplication::screens())
        layout.screens.push_back({to_rect(screen->geometry()), to_rect(screen->availableGeometry())});
    const QMargins frame = frame_.Margins();
    const QSize minimum = minimumSize().grownBy(frame);
    layout.minimum_width = minimum.width();
    layout.minimum_height = minimum.height();
    layout.title_height = frame.top();
    return layout;
}

void TMainForm1::ShowWindow(int command)
{
    switch (command) {
    case orr::kShowMaximized: showMaximized(); break;
    case orr::kShowMinimized:
        setWindowState((windowState() & ~Qt::WindowMaximized) | Qt::WindowMinimized);
        break;
    case orr::kShowRestore:
        if (isMaximized())
            frame_.RestoreFromMaximized();
        else
            showNormal();
        break;
    default:
        // The start-up shows the window; later it is shown normally already.
        if (!isVisible())
            show();
        break;
    }
}

int TMainForm1::LauncherShowCommand() const
{
    // X11 and Wayland launchers pass no show state: the window opens normally.
    return orr::kShowNormal;
}

void TMainForm1::SetTopmost(bool on) { orr::window::set_always_on_top(this, on); }

void TMainForm1::SetChecked(orr::MenuOption option, bool checked)
{
    Named<QAction>(orr::mainform::item_name(option))->setChecked(checked);
}

void TMainForm1::SetCaption(const std::string& caption) { setWindowTitle(QString::fromStdString(caption)); }

// On X11 the icon name, which taskbars show.
void TMainForm1::SetTaskbarTitle(const std::string& title)
{
    setWindowIconText(QString::fromStdString(title));
}

void TMainForm1::SetHint(const std::string& hint) { setToolTip(QString::fromStdString(hint)); }

void TMainForm1::ShowAbout(const orr::AboutTexts& texts)
{
    if (!AboutBox) {
        own_about_box_ = std::make_unique<TAboutBox>(this);
        AboutBox = own_about_box_.get();
    }
    AboutBox->SetTexts(texts);
    AboutBox->exec();
}

void TMainForm1::PrintYear(const orr::print::YearPage& page) { print_with_dialog(this, page); }
