// The Qt About window: what a showing brings at once, closing by OK, Escape and Enter,
// showing again, the controls' bounds and fonts, the links moved onto their rows and
// handed to the desktop, hints, the focus, and the modal showing over the main window.
#include <QAction>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "about/qt/about_box.h"
#include "about/qt/gif_image.h"
#include "about/qt/ok_button.h"
#include "about/qt/stretched_picture.h"
#include "about/quotations.h"
#include "app/qt/main_form1.h"
#include "test_support.h"
#include "year_window.h"

namespace {

using orr::about::Control;

// Stands in for the desktop's opener, first on PATH: records each list of arguments it is
// handed, joined by line feeds, and opens nothing.
class OpenerRecorder {
public:
    OpenerRecorder() : old_path_(qgetenv("PATH"))
    {
        QFile script(folder_.filePath(QStringLiteral("xdg-open")));
        script.open(QIODevice::WriteOnly);
        script.write("#!/bin/sh\nIFS='\n'\nprintf '%s\\0' \"$*\" >> \"$0.rec\"\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", folder_.path().toLocal8Bit() + ':' + old_path_);
    }
    ~OpenerRecorder() { qputenv("PATH", old_path_); }
    OpenerRecorder(const OpenerRecorder&) = delete;
    OpenerRecorder& operator=(const OpenerRecorder&) = delete;

    std::vector<QString> opened() const
    {
        QFile record(folder_.filePath(QStringLiteral("xdg-open.rec")));
        std::vector<QString> calls;
        if (record.open(QIODevice::ReadOnly)) {
            for (const QByteArray& call : record.readAll().split('\0'))
                calls.push_back(QString::fromUtf8(call));
            calls.pop_back(); // after the last NUL
        }
        return calls;
    }
    // The opener is started on its own: what it records comes a moment later.
    std::vector<QString> wait_for(std::size_t count, int ms = 5000) const
    {
        (void)QTest::qWaitFor([&] { return opened().size() >= count; }, ms);
        return opened();
    }

private:
    QTemporaryDir folder_;
    QByteArray old_path_;
};

class AboutBox : public StandingClockTest {
protected:
    void SetUp() override
    {
        StandingClockTest::SetUp();
        box.Memory_Status = [this] { return memory; };
        box.SetCaption(Control::Email_Button, "ask@orrindale.example");
        box.SetCaption(Control::WEB_Button, "www.orrindale.example");
    }
    void show()
    {
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    }
    TGIFImage& logo() { return *box.Vintrel_Logo_GIFImage; }
    // Waits until the logo has moved on from frame 1.
    void let_the_logo_run()
    {
        EXPECT_TRUE(QTest::qWaitFor([this] { return logo().Animator().ShownFrame() > 1; }, 2000));
    }
    void expect_closed_as_ok_closes(const char* how)
    {
        EXPECT_FALSE(box.isVisible()) << how;
        EXPECT_EQ(box.result(), QDialog::Accepted) << how;
        EXPECT_FALSE(box.Quote_Change_Timer->isActive()) << how;
        EXPECT_FALSE(box.Free_Resources_Timer->isActive()) << how;
        EXPECT_FALSE(logo().Animator().Animate()) << how;
        EXPECT_FALSE(logo().Frame_Timer().isActive()) << how;
        EXPECT_EQ(logo().Animator().ShownFrame(), 1) << how;
    }

    OpenerRecorder recorder;
    orr::platform::MemoryStatus memory{35, 0, 0, 0, 0};
    TAboutBox box;
};

TEST_F(AboutBox, ShowingBringsAQuotationAndTheFigureBeforeAnyTick)
{
    EXPECT_EQ(box.Label4->text(), QStringLiteral("Free %"));
    show();
    const std::string quote = box.Quote_From_Vintrel_Label->text().toStdString();
    EXPECT_NE(std::find(orr::kQuotations.begin(), orr::kQuotations.end(), quote), orr::kQuotations.end())
        << quote;
    EXPECT_EQ(box.Label4->text(), QStringLiteral("65%"));
    // Each timer's first tick comes one whole interval after the showing.
    EXPECT_TRUE(box.Quote_Change_Timer->isActive());
    EXPECT_EQ(box.Quote_Change_Timer->interval(), 10000);
    EXPECT_GT(box.Quote_Change_Timer->remainingTime(), 9000);
    EXPECT_TRUE(box.Free_Resources_Timer->isActive());
    EXPECT_EQ(box.Free_Resources_Timer->interval(), 500);
    EXPECT_TRUE(logo().Animator().Animate());
    EXPECT_EQ(logo().Animator().ShownFrame(), 1);

    memory.load_percent = 20;
    EXPECT_TRUE(QTest::qWaitFor([this] { return box.Label4->text() == QStringLiteral("80%"); }, 2000));
}

TEST_F(AboutBox, EscapeAndEnterCloseExactlyAsOkDoes)
{
    const std::vector<std::pair<const char*, std::function<void()>>> ways{
        {"OK", [this] { QTest::mouseClick(box.OKButton, Qt::LeftButton); }},
        {"Escape", [this] { QTest::keyClick(box.OKButton, Qt::Key_Escape); }},
        {"Enter", [this] { QTest::keyClick(box.OKButton, Qt::Key_Return); }},
    };
    for (const auto& [how, close] : ways) {
        show();
        let_the_logo_run();
        box.setResult(QDialog::Rejected);
        close();
        expect_closed_as_ok_closes(how);
    }
}

TEST_F(AboutBox, ShowingAgainRestartsTheTimersAndTheLogoFromFrameOne)
{
    show();
    let_the_logo_run();
    QTest::keyClick(box.OKButton, Qt::Key_Escape);
    memory.load_percent = 90;
    show();
    EXPECT_EQ(box.Label4->text(), QStringLiteral("10%"));
    EXPECT_TRUE(box.Quote_Change_Timer->isActive());
    EXPECT_TRUE(box.Free_Resources_Timer->isActive());
    EXPECT_TRUE(logo().Animator().Animate());
    EXPECT_EQ(logo().Animator().ShownFrame(), 1);
    let_the_logo_run();
}

struct Placed {
    const char* name;
    QRect bounds;     // within its parent; a zero size: sized to its text
    const char* face; // nullptr: not checked
    int pixels;
    bool bold;
    bool underline;
};

TEST_F(AboutBox, ControlsLieWhereTheDesignPutsThemInTheirFonts)
{
    EXPECT_EQ(box.size(), QSize(591, 354));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    const std::vector<Placed> table{
        {"GroupBox2", {0, -4, 589, 65}, nullptr, 0, false, false},
        {"GroupBox1", {0, 52, 589, 301}, nullptr, 0, false, false},
        {"Vintrel_Logo_Banner_Image", {1, 0, 600, 70}, nullptr, 0, false, false},
        {"Bevel1", {5, 14, 184, 167}, nullptr, 0, false, false},
        {"Vintrel_Logo_GIFImage", {12, 16, 173, 165}, nullptr, 0, false, false},
        {"Quote_From_Vintrel_Label", {8, 184, 181, 113}, "Times New Roman", 15, false, false},
        {"ProductName", {205, 16, 380, 18}, "Times New Roman", 15, true, false},
        {"Author_and_Date", {205, 45, 380, 18}, "Times New Roman", 15, true, false},
        {"Developed_using", {205, 74, 380, 18}, "Times New Roman", 15, false, false},
        {"Copyright", {205, 103, 380, 18}, "Times New Roman", 15, false, false},
        {"Software_Status", {205, 133, 380, 18}, "Times New Roman", 15, false, false},
        {"Comments", {205, 162, 380, 18}, "Times New Roman", 15, false, false},
        {"WEB_Page_Label", {205, 191, 380, 18}, "Times New Roman", 15, false, false},
        {"Label3", {207, 220, 0, 0}, "Times New Roman", 15, false, false},
        {"Label4", {375, 220, 0, 0}, "Times New Roman", 15, false, false},
        {"Email_Address_Label", {424, 136, 0, 0}, "Times New Roman", 16, true, true},
        {"WEB_Address_Label", {424, 104, 0, 0}, "Times New Roman", 16, true, true},
        {"Email_Button", {416, 160, 169, 23}, "System", 13, false, false},
        {"WEB_Button", {416, 189, 169, 23}, "System", 13, false, false},
        {"OKButton", {245, 251, 100, 37}, "MS Sans Serif", 16, true, false},
        {"Bevel3", {420, 244, 157, 49}, nullptr, 0, false, false},
        {"Badge_Logo", {424, 248, 149, 41}, nullptr, 0, false, false},
        {"Badge_Label", {430, 252, 98, 32}, "Arial", 13, false, false},
    };
    for (const Placed& p : table) {
        auto* widget = box.findChild<QWidget*>(QString::fromLatin1(p.name));
        ASSERT_NE(widget, nullptr) << p.name;
        EXPECT_EQ(widget->pos(), p.bounds.topLeft()) << p.name;
        if (!p.bounds.size().isNull())
            EXPECT_EQ(widget->size(), p.bounds.size()) << p.name;
        else
            EXPECT_EQ(widget->size(), widget->sizeHint()) << p.name << " is not sized to its text";
        if (p.face) {
            EXPECT_EQ(widget->font().family(), QString::fromLatin1(p.face)) << p.name;
            EXPECT_EQ(widget->font().pixelSize(), p.pixels) << p.name;
            EXPECT_EQ(widget->font().bold(), p.bold) << p.name;
            EXPECT_EQ(widget->font().underline(), p.underline) << p.name;
        }
    }
    // The banner and the badge in their group boxes; everything else in GroupBox1.
    EXPECT_EQ(box.Vintrel_Logo_Banner_Image->parentWidget(), box.GroupBox2);
    EXPECT_EQ(box.Badge_Label->parentWidget(), box.GroupBox1);
    EXPECT_TRUE(box.GroupBox1->title().isEmpty());
    EXPECT_TRUE(box.GroupBox2->title().isEmpty());
    EXPECT_EQ(box.Label3->text(), QStringLiteral("Free System Resources :"));
    EXPECT_EQ(box.OKButton->text(), QStringLiteral("OK"));
}

TEST_F(AboutBox, LinksMoveOntoTheRowsOfTheirLeadInsAndShowTheAddresses)
{
    show();
    EXPECT_EQ(box.Email_Address_Label->pos(), QPoint(424, 160));
    EXPECT_EQ(box.WEB_Address_Label->pos(), QPoint(424, 189));
    EXPECT_EQ(box.Email_Address_Label->text(), QStringLiteral("ask@orrindale.example"));
    EXPECT_EQ(box.WEB_Address_Label->text(), QStringLiteral("www.orrindale.example"));
    EXPECT_FALSE(box.Email_Button->isVisible());
    EXPECT_FALSE(box.WEB_Button->isVisible());
    // Both fit inside the group box; the link is drawn in blue.
    EXPECT_LE(box.WEB_Address_Label->geometry().right(), box.GroupBox1->width() - 1);
    EXPECT_LE(box.Email_Address_Label->geometry().right(), box.GroupBox1->width() - 1);
    EXPECT_EQ(box.WEB_Address_Label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    for (QWidget* link :
         {static_cast<QWidget*>(box.Email_Address_Label), static_cast<QWidget*>(box.Badge_Logo),
          static_cast<QWidget*>(box.Vintrel_Logo_GIFImage), static_cast<QWidget*>(box.Bevel1)})
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor) << link->objectName().toStdString();
    EXPECT_NE(box.ProductName->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(AboutBox, HintsShowOnlyOnTheBadgeAndTheTwoLinks)
{
    show();
    std::vector<std::string> hinted;
    for (QWidget* widget : box.findChildren<QWidget*>()) {
        if (widget->isVisible() && !widget->toolTip().isEmpty())
            hinted.push_back(widget->objectName().toStdString());
    }
    std::sort(hinted.begin(), hinted.end());
    EXPECT_EQ(hinted, (std::vector<std::string>{"Badge_Logo", "Email_Address_Label", "WEB_Address_Label"}));
    EXPECT_TRUE(box.toolTip().isEmpty());
    EXPECT_EQ(box.Badge_Logo->toolTip(), QStringLiteral("Hey, don't poke me there !!"));
    EXPECT_EQ(box.Email_Address_Label->toolTip(), QStringLiteral("Click to send an E-Mail to Vintrel."));
    EXPECT_EQ(box.WEB_Address_Label->toolTip(), QStringLiteral("Click to visit Vintrel's WEB Page."));
}

TEST_F(AboutBox, OnlyTheDefaultOkButtonTakesTheFocus)
{
    for (QWidget* widget : box.findChildren<QWidget*>()) {
        const bool ok = widget == box.OKButton;
        EXPECT_EQ(widget->focusPolicy() != Qt::NoFocus, ok) << widget->objectName().toStdString();
    }
    EXPECT_TRUE(box.OKButton->isDefault());
    show();
    box.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([this] { return box.focusWidget() == box.OKButton; }, 1000));
}

TEST_F(AboutBox, LinksGoToTheDesktopAndTheWindowStaysOpen)
{
    show();
    QTest::mouseClick(box.Email_Address_Label, Qt::LeftButton);
    std::vector<QString> opened = recorder.wait_for(1);
    ASSERT_EQ(opened.size(), 1u);
    // Exactly as built, one argument: no percent-encoding on the way.
    EXPECT_EQ(opened[0], QStringLiteral("mailto:ask@orrindale.example?subject=Shareware: widget_tests"));
    for (QWidget* web :
         std::initializer_list<QWidget*>{box.WEB_Address_Label, box.Vintrel_Logo_Banner_Image,
                                         box.Vintrel_Logo_GIFImage, box.Badge_Logo, box.Badge_Label})
        QTest::mouseClick(web, Qt::LeftButton);
    opened = recorder.wait_for(6);
    ASSERT_EQ(opened.size(), 6u);
    for (std::size_t i = 1; i < opened.size(); ++i)
        EXPECT_EQ(opened[i], QStringLiteral("http://www.orrindale.example")) << i;
    // Nothing else hands anything over, and an empty address does nothing.
    QTest::mouseClick(box.ProductName, Qt::LeftButton);
    QTest::mouseClick(box.Bevel3, Qt::LeftButton);
    box.SetCaption(Control::WEB_Button, "");
    QTest::mouseClick(box.WEB_Address_Label, Qt::LeftButton);
    EXPECT_EQ(recorder.wait_for(7, 500).size(), 6u);
    EXPECT_TRUE(box.isVisible());
}

TEST_F(AboutBox, HelpAboutShowsItModallyOverTheMainWindowUntilEscape)
{
    QTemporaryDir folder;
    TMainForm1 main_form;
    main_form.Timer1->stop();
    main_form.Form().Settings_File_Path = [&] {
        return folder.filePath(QStringLiteral("orrindale.ini")).toStdString();
    };
    TAboutBox owned(&main_form);
    owned.Memory_Status = [this] { return memory; };
    main_form.AboutBox = &owned;
    main_form.Start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main_form));
    bool seen = false;
    QTimer::singleShot(300, [&] {
        seen = owned.isVisible() && owned.isModal() && QApplication::activeModalWidget() == &owned;
        EXPECT_EQ(owned.windowTitle(), QStringLiteral("About Orrindale v1.0 ..."));
        EXPECT_EQ(owned.ProductName->text(), QStringLiteral("Orrindale v1.0"));
        EXPECT_EQ(owned.Label4->text(), QStringLiteral("65%"));
        QTest::keyClick(owned.OKButton, Qt::Key_Escape);
    });
    main_form.AboutOption->trigger();
    EXPECT_TRUE(seen);
    EXPECT_FALSE(owned.isVisible());
    EXPECT_EQ(owned.parentWidget(), &main_form);
    EXPECT_TRUE(owned.windowFlags() & Qt::Dialog);
    EXPECT_FALSE(owned.windowFlags() &
                 (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint));
    main_form.AboutBox = nullptr;
}

TEST_F(AboutBox, MadeOnFirstUseItStillShowsTheTitlesTextsAndStaysTheOne)
{
    QTemporaryDir folder;
    TMainForm1 main_form;
    main_form.Timer1->stop();
    main_form.Form().Settings_File_Path = [&] {
        return folder.filePath(QStringLiteral("orrindale.ini")).toStdString();
    };
    main_form.Start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main_form));
    EXPECT_EQ(main_form.AboutBox, nullptr);
    for (int opened = 0; opened < 2; ++opened) {
        QTimer::singleShot(100, [&] {
            ASSERT_NE(main_form.AboutBox, nullptr);
            EXPECT_TRUE(main_form.AboutBox->isVisible());
            EXPECT_EQ(main_form.AboutBox->windowTitle(), QStringLiteral("About Orrindale v1.0 ..."));
            EXPECT_EQ(main_form.AboutBox->Copyright->text(), QStringLiteral("Copyright (C) 2002-2026"));
            QTest::keyClick(main_form.AboutBox->OKButton, Qt::Key_Escape);
        });
        main_form.AboutOption->trigger();
    }
    EXPECT_EQ(main_form.AboutBox->parentWidget(), &main_form);
    EXPECT_EQ(main_form.findChildren<TAboutBox*>().size(), 1);
}

} // namespace
