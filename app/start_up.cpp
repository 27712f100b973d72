// The main window's start-up sequence and the titles it sets.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>

#include "about/about_box.h"
#include "app/frame_extents.h"
#include "app/launcher_show_state.h"
#include "app/main_form.h"
#include "app/settings/settings_file.h"
#include "core/dialogs.h"
#include "core/event_guard.h"

namespace {

const char* const kAboutCaption = "About Orrindale v1.0 ...";
const char* const kAuthor = "Written by the Orrindale developers";
const char* const kAuthorDate = "July 2002";
const char* const kDevelopedUsing = "Developed using C++20 and Qt 6";
const char* const kCopyright = "Copyright (C) 2002-";
const char* const kSoftwareStatus = "Freeware";
const char* const kComments = "A whole calendar year at a glance.";
const char* const kWebPageLabel = "Orrindale on the web:";
const char* const kEmailAddress = "orrindale@example.org";
const char* const kWebAddress = "https://orrindale.example.org/";

// A failing step is reported and the start-up goes on, so the window always ends
// up placed, titled and showing the current year.
template <typename Step>
void run_step(Step&& step)
{
    orr::guarded(std::forward<Step>(step));
}

} // namespace

void TMainForm1::FormShow()
{
    bool maximized = false;
    run_step([this] {
        // Design client size below the menu: the button row's bottom plus the top
        // margin, and its right edge plus the left margin.
        const QRect box = GroupBox1->geometry();
        const int menu_height = menuBar()->sizeHint().height();
        resize(box.left() + box.width() + box.left(),
               box.top() + box.height() + MonthLabel(1)->y() + menu_height);
    });
    run_step([this] { Record_Layout(); });
    run_step([this, &maximized] {
        const orr::WindowSettings settings = orr::read_window_settings(Settings_File_Path());
        if (!testAttribute(Qt::WA_Mapped))
            expected_frame_ = orr::window::expected_frame_margins(this);
        SetOuterBounds(QRect(settings.left, settings.top, settings.width, settings.height));
        Always_On_Top_Option->setChecked(settings.always_on_top);
        Auto_Run_at_Windows_Startup_Option->setChecked(settings.auto_run);
        maximized = settings.maximized;
    });
    run_step([this] { Set_Titles(); });
    run_step([this] { Apply_Startup_Show_State(); });
    if (maximized)
        run_step([this] { showMaximized(); });
    run_step([this] {
        // Toggling the inverted mark applies the state that was read.
        Always_On_Top_Option->setChecked(!Always_On_Top_Option->isChecked());
        Toggle_Always_On_Top();
    });
    run_step([this] { Auto_Run_at_Windows_Startup_Option->setChecked(Verify_Auto_Run_Path()); });
    run_step([this] { Current_Year_BitBtnClick(); });
}

void TMainForm1::Set_Titles()
{
    // The application title is what the error report's caption shows; Qt's display
    // name stays unset because Qt would append it to every window caption.
    orr::set_application_title(kTitle);
    setWindowTitle(QString::fromLatin1(kTitle));
    setToolTip(QString());
    if (!AboutBox)
        return;
    AboutBox->setWindowTitle(QString::fromLatin1(kAboutCaption));
    AboutBox->ProductName->setText(QString::fromLatin1(kTitle));
    AboutBox->Author_and_Date->setText(QString::fromLatin1(kAuthor) + QStringLiteral(", ") +
                                       QString::fromLatin1(kAuthorDate));
    AboutBox->Developed_using->setText(QString::fromLatin1(kDevelopedUsing));
    AboutBox->Copyright->setText(QString::fromLatin1(kCopyright) +
                                 QStringLiteral("%1").arg(Year_Of_Today(), 4, 10, QLatin1Char('0')));
    AboutBox->Software_Status->setText(QString::fromLatin1(kSoftwareStatus));
    AboutBox->Comments->setText(QString::fromLatin1(kComments));
    AboutBox->WEB_Page_Label->setText(QString::fromLatin1(kWebPageLabel));
    AboutBox->Email_Button->setText(QString::fromLatin1(kEmailAddress));
    AboutBox->WEB_Button->setText(QString::fromLatin1(kWebAddress));
    AboutBox->setToolTip(QString());
}

void TMainForm1::Apply_Startup_Show_State()
{
    switch (orr::window::launcher_show_state()) {
    case orr::window::ShowState::Minimized:
        setWindowState((windowState() & ~Qt::WindowMaximized) | Qt::WindowMinimized);
        break;
    case orr::window::ShowState::Maximized:
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
        break;
    case orr::window::ShowState::Normal:
        // The window is being shown normally already.
        break;
    }
}

void TMainForm1::Record_Layout()
{
    // The record is made once per run; a second start-up keeps the first.
    if (Scaling_ListBox->count() > 0)
        return;
    for (const std::string& line : record_layout(client_->size(), components_, logicalDpiY()))
        Scaling_ListBox->addItem(QString::fromStdString(line));
}

void TMainForm1::Scale_Layout()
{
    LayoutRecord record;
    record.reserve(Scaling_ListBox->count());
    for (int i = 0; i < Scaling_ListBox->count(); ++i)
        record.push_back(Scaling_ListBox->item(i)->text().toStdString());
    scale_layout(record, client_->size(), components_, logicalDpiY());
}

void TMainForm1::FormResize() { Scale_Layout(); }

void TMainForm1::FormActivate() {}
