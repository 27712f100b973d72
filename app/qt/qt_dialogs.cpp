#include "app/qt/qt_dialogs.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

#include "app/main_form_design.h"

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
        : QMessageBox(icon, caption, text, NoButton, owner)
    {}

protected:
    void showEvent(QShowEvent* event) override
    {
        const QWidget* owner = parentWidget();
        const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return QMessageBox::showEvent(event);
        KeepOneLineWhole(*screen);
        // The box has its final size here, before it is mapped.
        QMessageBox::showEvent(event);
        // The box's own frame comes only when it is mapped; the owner's stands in for it.
        const QMargins frame = owner && owner->windowHandle() ? owner->windowHandle()->frameMargins()
                                                              : QMargins();
        QRect placed(QPoint(), size().grownBy(frame));
        placed.moveCenter(screen->availableGeometry().center());
        move(placed.topLeft() + QPoint(frame.left(), frame.top()));
    }

private:
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
