// The Qt message boxes as a user reads them: names from the file system in a box text
// are shown as written, whatever markup they look like.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/qt/qt_dialogs.h"

namespace {

bool reddish(QRgb pixel)
{
    return qRed(pixel) >= 150 && qRed(pixel) - std::max(qGreen(pixel), qBlue(pixel)) >= 100;
}

int red_pixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            n += reddish(image.pixel(x, y));
    }
    return n;
}

// The label of the box shown for `text`, measured from inside the box's own loop.
struct ShownLabel {
    int height = 0;
    int line_height = 0;
};

ShownLabel show_and_measure(const std::string& text)
{
    ShownLabel shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
            shown = {label->height(), label->fontMetrics().lineSpacing()};
        box->buttons().front()->click();
    });
    QtDialogs dialogs;
    dialogs.show({orr::BoxKind::Information, "Orrindale v1.0", text, orr::BoxButtons::Ok});
    return shown;
}

TEST(MessageBoxes, AOneLineTextStaysOnOneLine)
{
    const ShownLabel shown = show_and_measure(
        "This program (orrindale) will now run automatically at Windows Start-Up.");
    ASSERT_GT(shown.line_height, 0) << "no box with a text label was shown";
    EXPECT_LT(shown.height, 2 * shown.line_height);
    // A text too wide for the screen still wraps rather than running off it.
    std::string sentence;
    for (int i = 0; i < 200; ++i)
        sentence += "word ";
    const ShownLabel wide = show_and_measure(sentence);
    EXPECT_GE(wide.height, 2 * wide.line_height);
}

TEST(MessageBoxes, AFolderNamedLikeMarkupIsShownAsPlainText)
{
    const std::string text = "Unable to write to /home/u/<font color=red size=7>BIG/orrindale.ini";
    QImage painted;
    QString shown;
    // The box is modal: it is read and closed from inside its own loop.
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
            painted = label->grab().toImage();
            shown = label->text();
        }
        box->buttons().front()->click();
    });
    QtDialogs dialogs;
    EXPECT_EQ(dialogs.show({orr::BoxKind::Error, "Orrindale v1.0", text, orr::BoxButtons::Ok}),
              orr::BoxAnswer::Ok);
    ASSERT_FALSE(painted.isNull()) << "no box with a text label was shown";
    EXPECT_EQ(shown.toStdString(), text);
    EXPECT_EQ(red_pixels(painted), 0) << "the markup was rendered";
}

} // namespace
