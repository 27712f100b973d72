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
