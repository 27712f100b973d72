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
#include <QSessionManager>
#include <QTimer>
#include <QToolButton>

#include "about/qt/about_box.h"
#include "app/qt/design_font.h"
#include "app/qt/glyphs.h"
#include "core/event_guard.h"
#include "core/product.h"
#include "monthgrid/date_names.h"
#include "monthgrid/qt/calendar.h"

namespace {

using orr::mainform::Design;
using orr::mainform::Kind;

// Longer than a window manager takes to answer, short enough not to be noticed.
constexpr int kFrameAnswerWaitMs = 500;

QString text(const char* latin1) { return QString::fromLatin1(latin1); }

} // namespace

TMainForm1::TMainForm1(QWidget* parent)
    : QMainWindow(parent), frame_(*this),
      window_manager_(*this,
                      {[this](bool on) { orr::guarded([this, on] { form_.TopmostChangedOutside(on); }); },
                       [this](QMargins frame, bool maximized) {
                           frame_.FrameAnnounced(frame, maximized);
                           StartOnce();
                       }})
{
    setObjectName(QStringLiteral("MainForm1"));
    setWindowTitle(text(orr::kProductTitle));
    setMinimumSize(orr::mainform::kMinimumClientWidth, orr::mainform::kMinimumClientHeight);
    // Asked before the widgets are made, the window manager answers while they are, and
    // the start-up need not wait for it.
    frame_.AskDecoration();
    setFont(font_of(orr::mainform::kWindowFont));
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("Client"));
    // The window is painted in the button-face colour; text keeps the window-text role.
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    client_->setPalette(palette);
    client_->setAutoFillBackground(true);
    client_->installEventFilter(this);
    setCentralWidget(client_);
    for (const Design& design : orr::mainform::kDesign)
        components_.push_back(Make(design));

    GroupBox1 = Named<QGroupBox>("GroupBox1");
    Last_Year_SpeedButton = Named<QToolButton>("Last_Year_SpeedButton");
    Year_Edit = Named<QLineEdit>("Year_Edit");
    Next_Year_SpeedButton = Named<QToolButton>("Next_Year_SpeedButton");
    Current_Year_BitBtn = Named<QPushButton>("Current_Year_BitBtn");
    Exit_BitBtn = Named<QPushButton>("Exit_BitBtn");
    FileMenu = Named<QMenu>("FileMenu");
    Always_On_Top_Option = Named<QAction>("Always_On_Top_Option");
    Auto_Run_at_Windows_Startup_Option = Named<QAction>("Auto_Run_at_Windows_Startup_Option");
    Restore_Factory_Defaults_Option = Named<QAction>("Restore_Factory_Defaults_Option");
    Print_Year_Option = Named<QAction>("Print_Year_Option");
    ExitOption = Named<QAction>("ExitOption");
    HelpMenu = Named<QMenu>("HelpMenu");
    AboutOption = Named<QAction>("AboutOption");
    Timer1 = Named<QTimer>("Timer1");
    Scaling_ListBox = Named<QListWidget>("Scaling_ListBox");

    // A checkpoint, or a log-out that may yet be cancelled: the calendar stays open.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager&) { orr::guarded([this] { form_.SaveForSession(); }); });
}

TMainForm1::~TMainForm1() = default;

QObject* TMainForm1::Make(const Design& design)
{
    QObject* made = nullptr;
    if (design.visual()) {
        made = MakeControl(design, design.parent ? Named<QWidget>(design.parent) : client_);
        static_cast<QWidget*>(made)->setGeometry(design.left, design.top, design.width, design.height);
    } else if (design.kind == Kind::Timer) {
        auto* timer = new QTimer(this);
        timer->setInterval(orr::mainform::kClockIntervalMs);
        connect(timer, &QTimer::timeout, this, [this, command = design.command] { form_.Run(command); });
        timer->start();
        made = timer;
    } else {
        made = MakeMenuEntry(design);
    }
    made->setObjectName(text(design.name));
    return made;
}

QWidget* TMainForm1::MakeControl(const Design& design, QWidget* parent)
{
    const QFont font = font_of(design.font);
    auto run = [this, command = design.command] { form_.Run(command); };
    switch (design.kind) {
    case Kind::Label: {
        auto* label = new QLabel(QString::fromStdString(orr::month_name(design.month)), parent);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setFont(font);
        labels_[design.month - 1] = label;
        return label;
    }
    case Kind::Calendar: {
        auto* calendar = new TCalendar(parent);
        const orr::mainform::GridProperties& grid = orr::mainform::kGridProperties;
        calendar->SetTabStop(grid.tab_stop);
        calendar->setFont(font);
        QPalette palette = calendar->palette();
        palette.setColor(QPalette::Text, QColor::fromRgb(orr::mainform::kGridTextColour));
        calendar->setPalette(palette);
        grid.ApplyTo(calendar->Core());
        calendars_[design.month - 1] = calendar;
        return calendar;
    }
    case Kind::GroupBox: {
        auto* box = new QGroupBox(parent);
        box->setFont(font);
        return box;
    }
    case Kind::SpeedButton:
    case Kind::BitButton: {
        QAbstractButton* button = nullptr;
        if (design.kind == Kind::SpeedButton) {
            auto* speed = new QToolButton(parent);
            speed->setFocusPolicy(Qt::NoFocus);
            button = speed;
        } else {
            button = new QPushButton(text(design.caption), parent);
            button->setFont(font);
        }
        button->setIcon(glyph_icon(design.glyph));
        button->setIconSize(QSize(orr::kGlyphSize, orr::kGlyphSize));
        button->setToolTip(text(design.hint));
        button->setAccessibleName(text(design.accessible_name()));
        connect(button, &QAbstractButton::clicked, this, run);
        return button;
    }
    case Kind::YearBox: {
        auto* edit = new QLineEdit(parent);
        edit->setFont(font);
        edit->setReadOnly(true);
        edit->setEnabled(false);
        return edit;
    }
    default: {
        auto* list = new QListWidget(parent);
        list->setFont(font);
        list->hide();
        return list;
    }
    }
}

QObject* TMainForm1::MakeMenuEntry(const Design& design)
{
    if (design.kind == Kind::MenuBar) {
        QMenuBar* bar = menuBar();
        // The menu stays inside the window on every desktop, as the layout expects.
        bar->setNativeMenuBar(false);
        return bar;
    }
    if (design.kind == Kind::Menu)
        return menuBar()->addMenu(text(design.caption));
    auto* menu = Named<QMenu>(design.parent);
    if (design.kind == Kind::Separator)
        return menu->addSeparator();
    QAction* item = menu->addAction(text(design.caption));
    item->setCheckable(design.kind == Kind::CheckItem);
    item->setShortcut(QKeySequence(text(design.shortcut)));
    connect(item, &QAction::triggered, this, [this, item, command = design.command] {
        // Qt flips a check mark before it reports the click; only the command sets it,
        // so the mark always matches what the command did.
        if (item->isCheckable())
            item->setChecked(!item->isChecked());
        form_.Run(command);
    });
    return item;
}

void TMainForm1::Start()
{
    // Made before it is placed, the native window lets a platform that knows its
    // decoration tell it at once.
    winId();
    waiting_to_start_ = true;
    if (frame_.AskDecoration())
        QTimer::singleShot(kFrameAnswerWaitMs, this, [this] { StartOnce(); });
    else
        StartOnce();
}

void TMainForm1::StartOnce()
{
    if (!waiting_to_start_)
        return;
    waiting_to_start_ = false;
    // Run from the event loop, never inside the X event that announced the frame nor
    // before the loop runs: the start-up may show boxes, and a close request under one
    // must end the loop they run in.
    QTimer::singleShot(0, this, [this] { form_.FormShow(); });
}

void TMainForm1::closeEvent(QCloseEvent* event)
{
    orr::guarded([this] { form_.FormCloseQuery(); });
    // A failed save has been reported; the window closes all the same.
    event->accept();
}

bool TMainForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == client_ && event->type() == QEvent::Resize) {
        const QSize size = static_cast<QResizeEvent*>(event)->size();
        orr::guarded([this, size] { form_.FormResize(size.width(), size.height()); });
    }
    return QMainWindow::eventFilter(watched, event);
}
