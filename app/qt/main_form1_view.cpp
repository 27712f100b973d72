// What the main window's behaviour asks of the Qt window, answered with its widgets.
#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

#include "about/qt/about_box.h"
#include "app/qt/always_on_top.h"
#include "app/qt/main_form1.h"
#include "app/qt/qt_locale_names.h"
#include "monthgrid/qt/calendar.h"

namespace {

QWidget* visual_control(QObject* component)
{
    auto* widget = qobject_cast<QWidget*>(component);
    if (!widget || qobject_cast<QMenu*>(widget) || qobject_cast<QMenuBar*>(widget))
        return nullptr;
    return widget;
}

// Fonts are held as character heights in pixels; a font set in points is converted at
// the screen's resolution first.
int character_height(const QFont& font, int pixels_per_inch)
{
    if (font.pixelSize() > 0)
        return -font.pixelSize();
    return orr::height_from_point_size(qRound(font.pointSizeF()), pixels_per_inch);
}

QRect to_qrect(const orr::Bounds& r) { return QRect(r.left, r.top, r.width, r.height); }
orr::Bounds to_rect(const QRect& r) { return {r.left(), r.top(), r.width(), r.height()}; }

} // namespace

std::string TMainForm1::YearText() const { return Year_Edit->text().toStdString(); }

void TMainForm1::SetYearText(const std::string& text)
{
    const QString year = QString::fromStdString(text);
    Year_Edit->setText(year);
    // Setting the name also tells a screen reader that it changed.
    Year_Edit->setAccessibleName(year);
}

void TMainForm1::SetCalendarDatePart(int month, orr::DatePart part, int value)
{
    Calendar(month)->SetDatePart(static_cast<int>(part), value);
}

void TMainForm1::SetLabelColour(int month, int colour)
{
    QLabel* label = MonthLabel(month);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF));
    label->setPalette(palette);
}

void TMainForm1::SetYearButtonsEnabled(bool previous, bool next)
{
    Last_Year_SpeedButton->setEnabled(previous);
    Next_Year_SpeedButton->setEnabled(next);
}

std::optional<orr::ControlState> TMainForm1::Component(int index) const
{
    const QWidget* control = visual_control(components_[index]);
    if (!control)
        return std::nullopt;
    const QRect r = control->geometry();
    return orr::ControlState{r.left(),   r.width(), r.top(), r.height(), character_height(control->font(), PixelsPerInch()),
                             control->objectName().toStdString()};
}

void TMainForm1::SetComponentBounds(int index, const orr::ControlBounds& bounds, int font_height)
{
    QWidget* control = visual_control(components_[index]);
    if (!control)
        return;
    control->setGeometry(bounds.left, bounds.top, bounds.width, bounds.height);
    QFont font = control->font();
    font.setPixelSize(-font_height);
    control->setFont(font);
}

std::vector<std::string> TMainForm1::LayoutLines() const
{
    std::vector<std::string> lines;
    lines.reserve(Scaling_ListBox->count());
    for (int i = 0; i < Scaling_ListBox->count(); ++i)
        lines.push_back(Scaling_ListBox->item(i)->text().toStdString());
    return lines;
}

void TMainForm1::AppendLayoutLine(const std::string& line) { Scaling_ListBox->addItem(QString::fromStdString(line)); }

orr::Bounds TMainForm1::ClientRect() const { return {0, 0, client_->width(), client_->height()}; }

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
    case orr::kShowMaximized:
        showMaximized();
        break;
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
        // Being shown normally already.
        break;
    }
}

int TMainForm1::LauncherShowCommand() const
{
    // X11 and Wayland launchers pass no show state: the window opens normally.
    return orr::kShowNormal;
}

void TMainForm1::SetTopmost(bool on) { orr::window::set_always_on_top(this, on); }

QAction* TMainForm1::ActionOf(orr::MenuOption option) const
{
    return option == orr::MenuOption::AlwaysOnTop ? Always_On_Top_Option : Auto_Run_at_Windows_Startup_Option;
}

bool TMainForm1::Checked(orr::MenuOption option) const { return ActionOf(option)->isChecked(); }

void TMainForm1::SetChecked(orr::MenuOption option, bool checked) { ActionOf(option)->setChecked(checked); }

void TMainForm1::SetAboutTexts(const orr::AboutTexts& texts)
{
    about_texts_ = texts;
    ApplyAboutTexts();
}

void TMainForm1::ApplyAboutTexts()
{
    if (!AboutBox || !about_texts_)
        return;
    const orr::AboutTexts& texts = *about_texts_;
    auto q = [](const std::string& text) { return QString::fromStdString(text); };
    AboutBox->setWindowTitle(q(texts.caption));
    AboutBox->ProductName->setText(q(texts.product_name));
    AboutBox->Author_and_Date->setText(q(texts.author_and_date));
    AboutBox->Developed_using->setText(q(texts.developed_using));
    AboutBox->Copyright->setText(q(texts.copyright));
    AboutBox->Software_Status->setText(q(texts.software_status));
    AboutBox->Comments->setText(q(texts.comments));
    AboutBox->WEB_Page_Label->setText(q(texts.web_page_label));
    AboutBox->Email_Button->setText(q(texts.email_button));
    AboutBox->WEB_Button->setText(q(texts.web_button));
    AboutBox->setToolTip(QString());
}

void TMainForm1::ShowAbout()
{
    if (about_box_wanted_)
        MakeAboutBox();
    if (AboutBox)
        AboutBox->exec();
}

std::string TMainForm1::AboutProductName() const
{
    if (AboutBox)
        return AboutBox->ProductName->text().toStdString();
    // Not made yet, it would show the product name it is to be given.
    return about_texts_ ? about_texts_->product_name : std::string();
}

std::string TMainForm1::LongDayName(int weekday) const { return QtLocaleNames().LongDayName(weekday); }

std::string TMainForm1::LongMonthName(int month) const { return QtLocaleNames().LongMonthName(month); }
