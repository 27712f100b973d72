#include "app/qt/main_form1.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSessionManager>
#include <QShowEvent>
#include <QTimer>
#include <QToolButton>

#include "about/qt/about_box.h"
#include "app/control_texts.h"
#include "app/qt/always_on_top.h"
#include "app/qt/glyphs.h"
#include "app/qt/qt_locale_names.h"
#include "core/event_guard.h"
#include "core/product.h"
#include "monthgrid/date_names.h"
#include "monthgrid/qt/calendar.h"

namespace {

// Design layout: three columns and four rows of months.
constexpr std::array<int, 3> kMonthLefts{5, 220, 436};
constexpr std::array<int, 4> kLabelTops{3, 133, 263, 393};
constexpr std::array<int, 4> kCalendarTops{20, 150, 280, 410};
constexpr QSize kLabelSize(205, 16);
constexpr QSize kCalendarSize(210, 110);
// Small enough to shrink freely, large enough to keep the menu bar reachable.
constexpr QSize kMinimumClient(160, 120);
constexpr int kClockIntervalMs = 100;
// Longer than a window manager takes to answer, short enough not to be noticed.
constexpr int kFrameAnswerWaitMs = 500;

QFont font_of_height(const QString& family, int pixel_height, bool bold = false)
{
    QFont font(family);
    font.setPixelSize(pixel_height);
    font.setBold(bold);
    return font;
}

QFont times_font(int pixel_height, bool bold = false)
{
    return font_of_height(QStringLiteral("Times New Roman"), pixel_height, bold);
}

} // namespace

TMainForm1::TMainForm1(QWidget* parent)
    : QMainWindow(parent), orr::MainForm(static_cast<orr::MainFormView&>(*this)), frame_(*this),
      window_manager_(*this, {[this](bool on) { TopmostChangedOutside(on); },
                              [this](QMargins frame, bool maximized) {
                                  frame_.FrameAnnounced(frame, maximized);
                                  ShowIfWaiting();
                              }})
{
    setObjectName(QStringLiteral("MainForm1"));
    setWindowTitle(QString::fromLatin1(orr::kProductTitle));
    setMinimumSize(kMinimumClient);
    // Asked before the widgets are made, the window manager answers while they are, and
    // the window need not wait for it when it is shown.
    frame_.AskDecoration();
    setFont(font_of_height(QStringLiteral("System"), 13));
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("Client"));
    // The window is painted in the button-face colour; text keeps the window-text role.
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    client_->setPalette(palette);
    client_->setAutoFillBackground(true);
    setCentralWidget(client_);
    CreateMenu();
    CreateMonths();
    CreateButtonRow();

    Scaling_ListBox = Own(new QListWidget(client_));
    Scaling_ListBox->setObjectName(QStringLiteral("Scaling_ListBox"));
    Scaling_ListBox->setGeometry(660, 8, 25, 29);
    Scaling_ListBox->hide();

    Timer1 = Own(new QTimer(this));
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kClockIntervalMs);
    connect(Timer1, &QTimer::timeout, this, [this] { orr::guarded([this] { Timer1Timer(); }); });
    Timer1->start();

    // A checkpoint, or a log-out that may yet be cancelled: the calendar stays open.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager&) { orr::guarded([this] { SaveForSession(); }); });
}

TMainForm1::~TMainForm1() = default;

void TMainForm1::CreateMenu()
{
    QMenuBar* bar = Own(menuBar());
    bar->setObjectName(QStringLiteral("MainMenu1"));
    // The menu stays inside the window on every desktop, as the layout expects.
    bar->setNativeMenuBar(false);

    FileMenu = Own(bar->addMenu(QStringLiteral("&File")));
    FileMenu->setObjectName(QStringLiteral("FileMenu"));
    Always_On_Top_Option = AddItem(FileMenu, "Always_On_Top_Option", "Always &On Top", true,
                                   &orr::MainForm::Always_On_Top_OptionClick);
    Auto_Run_at_Windows_Startup_Option =
        AddItem(FileMenu, "Auto_Run_at_Windows_Startup_Option", "&Auto-Run at Windows Startup", true,
                &orr::MainForm::Auto_Run_at_Windows_Startup_OptionClick);
    Restore_Factory_Defaults_Option = AddItem(FileMenu, "Restore_Factory_Defaults_Option",
                                              "&Restore Factory Defaults", false,
                                              &orr::MainForm::Restore_Factory_Defaults_OptionClick);
    N2 = Own(FileMenu->addSeparator());
    N2->setObjectName(QStringLiteral("N2"));
    ExitOption = AddItem(FileMenu, "ExitOption", "E&xit", false, &orr::MainForm::ExitOptionClick);

    HelpMenu = Own(bar->addMenu(QStringLiteral("&Help")));
    HelpMenu->setObjectName(QStringLiteral("HelpMenu"));
    View_Readme_file_Option = AddItem(HelpMenu, "View_Readme_file_Option", "&View Readme file", false,
                                      &orr::MainForm::View_Readme_file_OptionClick);
    View_Shareware_Catalog_Option = AddItem(HelpMenu, "View_Shareware_Catalog_Option", "View &Shareware Catalog",
                                            false, &orr::MainForm::View_Shareware_Catalog_OptionClick);
    N1 = Own(HelpMenu->addSeparator());
    N1->setObjectName(QStringLiteral("N1"));
    AboutOption = AddItem(HelpMenu, "AboutOption", "&About", false, &orr::MainForm::AboutOptionClick);
}

QAction* TMainForm1::AddItem(QMenu* menu, const char* name, const char* caption, bool checked_item,
                             void (orr::MainForm::*handler)())
{
    QAction* item = Own(menu->addAction(QString::fromLatin1(caption)));
    item->setObjectName(QString::fromLatin1(name));
    item->setCheckable(checked_item);
    connect(item, &QAction::triggered, this, [this, item, handler] {
        // Qt flips a check mark before it reports the click; only the command sets it,
        // so the mark always matches what the command did.
        if (item->isCheckable())
            item->setChecked(!item->isChecked());
        if (handler)
            orr::guarded([this, handler] { (this->*handler)(); });
    });
    return item;
}

void TMainForm1::CreateMonths()
{
    for (int month = 1; month <= kMonths; ++month) {
        const int left = kMonthLefts[(month - 1) % 3];
        const int row = (month - 1) / 3;

        auto* label = Own(new QLabel(QString::fromStdString(orr::month_name(month)), client_));
        label->setObjectName(QStringLiteral("Label%1").arg(month));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setGeometry(QRect(QPoint(left, kLabelTops[row]), kLabelSize));
        labels_[month - 1] = label;

        auto* calendar = Own(new TCalendar(client_));
        calendar->setObjectName(QStringLiteral("Calendar%1").arg(month));
        calendar->setGeometry(QRect(QPoint(left, kCalendarTops[row]), kCalendarSize));
        calendar->SetTabStop(false);
        calendar->setFont(times_font(13));
        QPalette palette = calendar->palette();
        palette.setColor(QPalette::Text, Qt::black);
        calendar->setPalette(palette);
        calendar->SetReadOnly(true);
        calendar->SetStartOfWeek(0);
        calendar->SetUseCurrentDate(false);
        calendars_[month - 1] = calendar;
    }
}

void TMainForm1::CreateButtonRow()
{
    GroupBox1 = Own(new QGroupBox(client_));
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 522, 637, 49);
    GroupBox1->setFont(times_font(16));

    auto speed_button = [this](const char* name, orr::ButtonTexts texts, Glyph glyph, QRect bounds) {
        auto* button = Own(new QToolButton(GroupBox1));
        button->setObjectName(QString::fromLatin1(name));
        button->setToolTip(QString::fromLatin1(texts.hint));
        button->setAccessibleName(QString::fromLatin1(texts.name()));
        button->setIcon(glyph_icon(glyph));
        button->setIconSize(QSize(orr::kGlyphSize, orr::kGlyphSize));
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(bounds);
        return button;
    };
    auto bit_button = [this](const char* name, orr::ButtonTexts texts, Glyph glyph, QRect bounds) {
        auto* button = Own(new QPushButton(glyph_icon(glyph), QString::fromLatin1(texts.caption), GroupBox1));
        button->setObjectName(QString::fromLatin1(name));
        button->setToolTip(QString::fromLatin1(texts.hint));
        button->setAccessibleName(QString::fromLatin1(texts.name()));
        button->setFont(times_font(16, true));
        button->setIconSize(QSize(orr::kGlyphSize, orr::kGlyphSize));
        button->setGeometry(bounds);
        return button;
    };

    Last_Year_SpeedButton = speed_button("Last_Year_SpeedButton", orr::kLastYearButtonTexts, Glyph::LeftArrow,
                                         QRect(84, 17, 23, 22));
    Year_Edit = Own(new QLineEdit(GroupBox1));
    Year_Edit->setObjectName(QStringLiteral("Year_Edit"));
    Year_Edit->setGeometry(107, 17, 75, 23);
    Year_Edit->setFont(times_font(16, true));
    Year_Edit->setReadOnly(true);
    Year_Edit->setEnabled(false);
    Next_Year_SpeedButton = speed_button("Next_Year_SpeedButton", orr::kNextYearButtonTexts, Glyph::RightArrow,
                                         QRect(183, 17, 23, 22));
    Current_Year_BitBtn = bit_button("Current_Year_BitBtn", orr::kCurrentYearButtonTexts, Glyph::CalendarPage,
                                     QRect(243, 13, 150, 30));
    Exit_BitBtn = bit_button("Exit_BitBtn", orr::kExitButtonTexts, Glyph::Door, QRect(430, 13, 150, 30));

    OnClick(Last_Year_SpeedButton, &orr::MainForm::Last_Year_SpeedButtonClick);
    OnClick(Next_Year_SpeedButton, &orr::MainForm::Next_Year_SpeedButtonClick);
    OnClick(Current_Year_BitBtn, &orr::MainForm::Current_Year_BitBtnClick);
    OnClick(Exit_BitBtn, &orr::MainForm::Exit_BitBtnClick);
}

void TMainForm1::OnClick(QAbstractButton* button, void (orr::MainForm::*handler)())
{
    connect(button, &QAbstractButton::clicked, this,
            [this, handler] { orr::guarded([this, handler] { (this->*handler)(); }); });
}

void TMainForm1::ShowWhenFramed()
{
    if (!frame_.AskDecoration()) {
        show();
        return;
    }
    waiting_to_show_ = true;
    QTimer::singleShot(kFrameAnswerWaitMs, this, [this] { orr::guarded([this] { ShowIfWaiting(); }); });
}

void TMainForm1::ShowIfWaiting()
{
    if (!waiting_to_show_)
        return;
    waiting_to_show_ = false;
    show();
}

void TMainForm1::MakeAboutBox()
{
    if (AboutBox)
        return;
    own_about_box_ = std::make_unique<TAboutBox>(this);
    AboutBox = own_about_box_.get();
    ApplyAboutTexts();
}

void TMainForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (shown_ || event->spontaneous())
        return;
    shown_ = true;
    orr::guarded([this] { FormShow(); });
}

void TMainForm1::closeEvent(QCloseEvent* event)
{
    orr::guarded([this] { FormCloseQuery(); });
    // A failed save has been reported; the window closes all the same.
    event->accept();
}

void TMainForm1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    orr::guarded([this] { FormResize(); });
}

void TMainForm1::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        orr::guarded([this] { FormActivate(); });
}
