#include "app/qt/qt_dialogs.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

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

} // namespace

orr::BoxAnswer QtDialogs::show(const orr::BoxRequest& box)
{
    QString text = QString::fromStdString(box.text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // No parent: the box is centred on the screen.
    QMessageBox message(icon_of(box.kind), QString::fromStdString(box.caption), text);
    // Ctrl+C copies the box's text, as a Windows message box does.
    QShortcut copy(QKeySequence::Copy, &message);
    QObject::connect(&copy, &QShortcut::activated, [&text] { QGuiApplication::clipboard()->setText(text); });
    if (box.buttons == orr::BoxButtons::Ok) {
        message.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        message.exec();
        return orr::BoxAnswer::Ok;
    }
    QPushButton* yes = message.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QPushButton* no = message.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    message.setDefaultButton(yes);
    message.setEscapeButton(no);
    message.exec();
    return message.clickedButton() == yes ? orr::BoxAnswer::Yes : orr::BoxAnswer::No;
}
