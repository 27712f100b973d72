#include "app/main_form.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSessionManager>
#include <QShowEvent>
#include <QTimer>
#include <QToolButton>

#include "app/glyphs.h"
#include "app/settings/settings_file.h"
#include "core/event_guard.h"
#include "monthgrid/calendar.h"

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
constexpr int kFrameWatchIntervalMs = 20;

const std::array<const char*, TMainForm1::kMonths> kMonthNames{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

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

TMainForm1::TMainForm1(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm1"));
    setWindowTitle(QString::fromLatin1(kTitle));
    setMinimumSize(kMinimumClient);
    Settings_File_Path = [] { return orr::settings_file_path(); };
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

    frame_watch_ = new QTimer(this);
    frame_watch_->setInterval(kFrameWatchIntervalMs);
    connect(frame_watch_, &QTimer::timeout, this, [this] { orr::guarded([this] { CorrectForFirstFrame(); }); });

    connect(qGuiApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager&) { orr::guarded([this] { SessionEnding(); }); });
}

void TMainForm1::CreateMonths()
{
    for (int month = 1; month <= kMonths; ++month) {
        const int left = kMonthLefts[(month - 1) % 3];
        const int row = (month - 1) / 3;

        auto* label = Own(new QLabel(QString::fromLatin1(kMonthNames[month - 1]), client_));
        label->setObjectName(QStringLiteral("Label%1").arg(month));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setGeometry(QRect(QPoint(left, kLabelTops[row]), kLabelSize));

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

    auto speed_button = [this](const char* name, const char* hint, Glyph glyph, QRect bounds) {
        auto* button = Own(new QToolButton(GroupBox1));
        button->setObjectName(QString::fromLatin1(name));
        button->setToolTip(QString::fromLatin1(hint));
        button->setIcon(glyph_icon(glyph));
        button->setIconSize(QSize(16, 16));
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(bounds);
        return button;
    };
    auto bit_button = [this](const char* name, const char* caption, const char* hint, Glyph glyph,
                             QRect bounds) {
        auto* button = Own(new QPushButton(glyph_icon(glyph), QString::fromLatin1(caption), GroupBox1));
        button->setObjectName(QString::fromLatin1(name));
        button->setToolTip(QString::fromLatin1(hint));
        button->setFont(times_font(16, true));
        button->setIconSize(QSize(16, 16));
        button->setGeometry(bounds);
        return button;
    };

    Last_Year_SpeedButton = speed_button("Last_Year_SpeedButton", "Previous Year", Glyph::LeftArrow,
                                         QRect(84, 17, 23, 22));
    Year_Edit = Own(new QLineEdit(GroupBox1));
    Year_Edit->setObjectName(QStringLiteral("Year_Edit"));
    Year_Edit->setGeometry(107, 17, 75, 23);
    Year_Edit->setFont(times_font(16, true));
    Year_Edit->setReadOnly(true);
    Year_Edit->setEnabled(false);
    Next_Year_SpeedButton = speed_button("Next_Year_SpeedButton", "Next Year", Glyph::RightArrow,
                                         QRect(183, 17, 23, 22));
    Current_Year_BitBtn = bit_button("Current_Year_BitBtn", "Current Year",
                                     "Jump to the current Calendar Year", Glyph::CalendarPage,
                                     QRect(243, 13, 150, 30));
    Exit_BitBtn = bit_button("Exit_BitBtn", "Exit", "Exit Program", Glyph::Door, QRect(430, 13, 150, 30));

    OnClick(Last_Year_SpeedButton, &TMainForm1::Last_Year_SpeedButtonClick);
    OnClick(Next_Year_SpeedButton, &TMainForm1::Next_Year_SpeedButtonClick);
    OnClick(Current_Year_BitBtn, &TMainForm1::Current_Year_BitBtnClick);
    OnClick(Exit_BitBtn, &TMainForm1::Exit_BitBtnClick);
}

void TMainForm1::OnClick(QAbstractButton* button, void (TMainForm1::*handler)())
{
    connect(button, &QAbstractButton::clicked, this, [this, handler] {
        orr::guarded([this, handler] { (this->*handler)(); });
    });
}

QLabel* TMainForm1::MonthLabel(int month) const
{
    return client_->findChild<QLabel*>(QStringLiteral("Label%1").arg(month));
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
