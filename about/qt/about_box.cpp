#include "about/qt/about_box.h"

#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QWindow>

#include "about/qt/gif_image.h"
#include "about/qt/ok_button.h"
#include "about/qt/stretched_picture.h"
#include "core/event_guard.h"

using orr::about::Control;
using orr::about::Design;
using orr::about::Kind;

namespace {

constexpr int kFrameWatchIntervalMs = 20;
const QColor kLinkColour(0, 0, 255);

QFont font_of(const orr::about::Font& wanted)
{
    QFont font(QString::fromLatin1(wanted.face));
    font.setPixelSize(wanted.pixel_height);
    font.setBold(wanted.bold);
    font.setUnderline(wanted.underline);
    font.setStyleHint(wanted.serif ? QFont::Serif : QFont::SansSerif);
    return font;
}

QLabel* make_label(const Design& design, QWidget* parent)
{
    auto* label = new QLabel(QString::fromLatin1(design.caption), parent);
    label->setWordWrap(design.style & orr::about::kWordWrap);
    label->setAlignment(((design.style & orr::about::kCentred) ? Qt::AlignHCenter : Qt::AlignLeft) |
                        Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    QPalette palette = label->palette();
    if (design.colour == orr::about::TextColour::Link)
        palette.setColor(QPalette::WindowText, kLinkColour);
    else if (design.colour == orr::about::TextColour::HighlightText)
        palette.setColor(QPalette::WindowText, palette.color(QPalette::HighlightedText));
    label->setPalette(palette);
    return label;
}

} // namespace

TAboutBox::TAboutBox(QWidget* owner) : QDialog(owner), orr::AboutForm(static_cast<orr::AboutFormView&>(*this))
{
    Q_INIT_RESOURCE(about);
    setObjectName(QStringLiteral("AboutBox"));
    // A dialog frame without title-bar buttons or system menu, of a fixed size.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    setFixedSize(orr::about::kClientWidth, orr::about::kClientHeight);
    setFont(font_of(orr::about::kWindowFont));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    setPalette(palette);

    for (const Design& design : orr::about::kDesign)
        controls_[static_cast<std::size_t>(design.id)] = Create(design);
    GroupBox1 = As<QGroupBox>(Control::GroupBox1);
    GroupBox2 = As<QGroupBox>(Control::GroupBox2);
    Vintrel_Logo_Banner_Image = As<StretchedPicture>(Control::Vintrel_Logo_Banner_Image);
    Bevel1 = As<QFrame>(Control::Bevel1);
    Vintrel_Logo_GIFImage = As<TGIFImage>(Control::Vintrel_Logo_GIFImage);
    Quote_From_Vintrel_Label = As<QLabel>(Control::Quote_From_Vintrel_Label);
    ProductName = As<QLabel>(Control::ProductName);
    Author_and_Date = As<QLabel>(Control::Author_and_Date);
    Developed_using = As<QLabel>(Control::Developed_using);
    Copyright = As<QLabel>(Control::Copyright);
    Software_Status = As<QLabel>(Control::Software_Status);
    Comments = As<QLabel>(Control::Comments);
    WEB_Page_Label = As<QLabel>(Control::WEB_Page_Label);
    Label3 = As<QLabel>(Control::Label3);
    Label4 = As<QLabel>(Control::Label4);
    Email_Address_Label = As<QLabel>(Control::Email_Address_Label);
    WEB_Address_Label = As<QLabel>(Control::WEB_Address_Label);
    Email_Button = As<QPushButton>(Control::Email_Button);
    WEB_Button = As<QPushButton>(Control::WEB_Button);
    OKButton = As<OkButton>(Control::OKButton);
    Bevel3 = As<QFrame>(Control::Bevel3);
    Badge_Logo = As<StretchedPicture>(Control::Badge_Logo);
    Badge_Label = As<QLabel>(Control::Badge_Label);
    FitToText();
    CreateTimers();
    frame_watch_.setInterval(kFrameWatchIntervalMs);
    connect(&frame_watch_, &QTimer::timeout, this, [this] { orr::guarded([this] { WatchFirstFrame(); }); });
    orr::guarded([this] { FormCreate(); });
}

QWidget* TAboutBox::Create(const Design& design)
{
    QWidget* parent = design.parent == orr::about::Parent::GroupBox1   ? Widget(Control::GroupBox1)
                      : design.parent == orr::about::Parent::GroupBox2 ? Widget(Control::GroupBox2)
                                                                       : this;
    QWidget* widget = nullptr;
    switch (design.kind) {
    case Kind::GroupBox: widget = new QGroupBox(parent); break;
    case Kind::Bevel: {
        auto* bevel = new QFrame(parent);
        bevel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        widget = bevel;
        break;
    }
    case Kind::Picture: {
        auto* picture = new StretchedPicture(parent);
        picture->Load(design.id == Control::Badge_Logo ? QStringLiteral(":/about/badge.bmp")
                                                       : QStringLiteral(":/about/banner.svg"));
        widget = picture;
        break;
    }
    case Kind::GifImage: {
        auto* logo = new TGIFImage(parent);
        QFile file(QStringLiteral(":/about/logo.gif"));
        if (file.open(QIODevice::ReadOnly))
            logo->LoadFromData(file.readAll());
        logo->Animator().SetLook(orr::about::kLogoLook);
        widget = logo;
        break;
    }
    case Kind::Label:
    case Kind::LinkLabel: widget = make_label(design, parent); break;
    case Kind::Button: {
        auto* button = new QPushButton(QString::fromLatin1(design.caption), parent);
        button->setAutoDefault(false);
        widget = button;
        break;
    }
    case Kind::OkButton: {
        auto* button = new OkButton(parent);
        button->setText(QString::fromLatin1(design.caption));
        button->setDefault(true);
        widget = button;
        break;
    }
    }
    widget->setObjectName(QString::fromLatin1(design.name));
    if (design.font.face)
        widget->setFont(font_of(design.font));
    widget->setGeometry(design.left, design.top, design.width, design.height);
    if (*design.hint)
        widget->setToolTip(QString::fromLatin1(design.hint));
    // The OK button is the only control that takes the keyboard focus.
    widget->setFocusPolicy(design.kind == Kind::OkButton ? Qt::StrongFocus : Qt::NoFocus);
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        connect(button, &QPushButton::clicked, this,
                [this, id = design.id] { orr::guarded([this, id] { (this->*OnClick(id))(); }); });
    }
    widget->installEventFilter(this);
    return widget;
}

void TAboutBox::CreateTimers()
{
    auto timer = [this](const char* name, orr::AboutTimer which) {
        auto* made = new QTimer(this);
        made->setObjectName(QString::fromLatin1(name));
        made->setInterval(IntervalMs(which));
        connect(made, &QTimer::timeout, this,
                [this, which] { orr::guarded([this, which] { TimerFired(which); }); });
        return made;
    };
    Quote_Change_Timer = timer("Quote_Change_Timer", orr::AboutTimer::Quote_Change_Timer);
    Free_Resources_Timer = timer("Free_Resources_Timer", orr::AboutTimer::Free_Resources_Timer);
}

QMargins TAboutBox::FrameMargins() const
{
    const QMargins now = windowHandle() && isVisible() ? windowHandle()->frameMargins() : QMargins();
    if (!now.isNull())
        return now;
    if (!frame_.isNull())
        return frame_;
    // Until the window manager has framed this window once, its frame is taken to be
    // like the owner's.
    if (parentWidget() && parentWidget()->windowHandle())
        return parentWidget()->windowHandle()->frameMargins();
    return {};
}

void TAboutBox::CentreOnScreen()
{
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QMargins frame = FrameMargins();
    const QRect area = screen->geometry();
    const QSize outer = size().grownBy(frame);
    const orr::about::Point corner = orr::about::centred(area.x(), area.y(), area.width(), area.height(),
                                                         outer.width(), outer.height());
    // Placed by its client area, which the window manager keeps where it is asked.
    setGeometry(QRect(QPoint(corner.x + frame.left(), corner.y + frame.top()), size()));
    placed_with_ = frame;
}

void TAboutBox::WatchFirstFrame()
{
    const QMargins frame = windowHandle() && isVisible() ? windowHandle()->frameMargins() : QMargins();
    if (frame.isNull() && ++frame_watch_ticks_ < kFrameWatchTicks)
        return;
    frame_watch_.stop();
    frame_ = frame;
    // The first frame was a guess: once the real one is known, the window is centred by it.
    if (!frame.isNull() && frame != placed_with_)
        CentreOnScreen();
}

void TAboutBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    CentreOnScreen();
    if (frame_.isNull()) {
        frame_watch_ticks_ = 0;
        frame_watch_.start();
    }
    orr::guarded([this] { FormActivate(); });
}

void TAboutBox::reject()
{
    orr::guarded([this] { CloseRequested(); });
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && KeyPreview()) {
        bool handled = false;
        // The key handler takes Windows key codes, and answers Escape alone.
        const bool escape = static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
        const int key = escape ? kEscapeKey : 0;
        orr::guarded([this, key, &handled] { handled = FormKeyDown(key); });
        if (handled)
            return true;
    }
    const QEvent::Type type = event->type();
    // The second press of a double click is a press too, as on Windows.
    const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    const bool release = type == QEvent::MouseButtonRelease;
    if ((press || release) && !qobject_cast<QPushButton*>(watched)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        auto* widget = static_cast<QWidget*>(watched);
        for (std::size_t i = 0; i < controls_.size(); ++i) {
            const auto control = static_cast<Control>(i);
            if (controls_[i] != widget || !OnClick(control) || mouse->button() != Qt::LeftButton)
                continue;
            // The widget pressed has the mouse until the release, wherever that is.
            const bool over = widget->rect().contains(mouse->position().toPoint());
            const std::optional<Control> under = over ? std::optional(control) : std::nullopt;
            orr::guarded([&] { press ? MouseDown(control) : MouseUp(under); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
