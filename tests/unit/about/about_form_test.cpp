// The About window's behaviour through a recording view: the activation sequence and
// its idempotent steps, the quotation picks, the free-resources figure, the mail and
// web links, clicks, and closing by OK, Escape or a close request.
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <set>

#include "about/about_form.h"
#include "core/clock.h"
#include "tests/unit/about/recording_about_view.h"

namespace orr {
namespace {

using about::Control;
using test::RecordingAboutView;

class AboutFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        set_clock(&clock);
        form.Memory_Status = [this] { return memory; };
        form.Executable_File_Name = [] { return std::string("orrindale.exe"); };
        form.FormCreate();
    }
    void TearDown() override { set_clock(nullptr); }

    FixedClock clock{{2026, 7, 14, 9, 30, 15, 250}};
    platform::MemoryStatus memory{35, 0, 0, 0, 0};
    RecordingAboutView view;
    AboutForm form{view};
};

TEST_F(AboutFormTest, ActivationRunsItsTwelveStepsInOrder)
{
    form.FormActivate();
    EXPECT_EQ(view.log, (std::vector<std::string>{"QuoteOn",
                                                  "FreeOn",
                                                  "AnimateOn",
                                                  "Caption Quote_From_Vintrel_Label",
                                                  "Caption Label4",
                                                  "Hint Email_Button",
                                                  "Hint WEB_Button",
                                                  "Hide Email_Button",
                                                  "Hide WEB_Button",
                                                  "Hint Email_Address_Label",
                                                  "Hint WEB_Address_Label",
                                                  "Top Email_Address_Label",
                                                  "Top WEB_Address_Label",
                                                  "Caption Email_Address_Label",
                                                  "Caption WEB_Address_Label",
                                                  "Hand Email_Address_Label",
                                                  "Hand WEB_Address_Label",
                                                  "Hand Badge_Label",
                                                  "Hand Badge_Logo",
                                                  "Hand Vintrel_Logo_GIFImage",
                                                  "Hand Vintrel_Logo_Banner_Image",
                                                  "Hand Bevel3",
                                                  "Hand Bevel1",
                                                  "Back Bevel3",
                                                  "Back Bevel1",
                                                  "KeyPreview"}));
}

TEST_F(AboutFormTest, ActivationShowsAQuotationAndTheFigureAtOnceAndMovesTheLinks)
{
    form.FormActivate();
    const std::string quote = view.captions[Control::Quote_From_Vintrel_Label];
    EXPECT_NE(std::find(kQuotations.begin(), kQuotations.end(), quote), kQuotations.end()) << quote;
    EXPECT_EQ(view.captions[Control::Label4], "65%");
    EXPECT_TRUE(view.timers[AboutTimer::Quote_Change_Timer]);
    EXPECT_TRUE(view.timers[AboutTimer::Free_Resources_Timer]);
    EXPECT_TRUE(view.animate);
    EXPECT_TRUE(view.key_preview);
    EXPECT_EQ(view.tops[Control::Email_Address_Label], 160);
    EXPECT_EQ(view.tops[Control::WEB_Address_Label], 189);
    EXPECT_EQ(view.captions[Control::Email_Address_Label], "support@orrindale.example");
    EXPECT_EQ(view.captions[Control::WEB_Address_Label], "https://orrindale.example/");
    EXPECT_EQ(view.hints[Control::Email_Address_Label], "Click to send an E-Mail to Vintrel.");
    EXPECT_EQ(view.hints[Control::WEB_Address_Label], "Click to visit Vintrel's WEB Page.");
    EXPECT_EQ(view.hidden, (std::set<Control>{Control::Email_Button, Control::WEB_Button}));
    // Both bevels behind everything, Bevel1 rearmost.
    EXPECT_EQ(view.order[0], Control::Bevel1);
    EXPECT_EQ(view.order[1], Control::Bevel3);
}

TEST_F(AboutFormTest, ActivatingAgainLeavesTheSameStateAndReseedsFromTheClock)
{
    form.FormActivate();
    for (int i = 0; i < 5; ++i)
        form.Quote_Change_TimerTimer();
    const RecordingAboutView once = view;
    form.OKButtonClick();
    form.FormActivate();
    for (int i = 0; i < 5; ++i)
        form.Quote_Change_TimerTimer();
    // The same moment seeds the same picks: the generator was seeded afresh.
    EXPECT_TRUE(view == once);
}

TEST_F(AboutFormTest, ARunningTimerIsNeitherRestartedNorStoppedTwice)
{
    form.FormActivate();
    view.log.clear();
    form.FormActivate();
    form.OKButtonClick();
    form.OKButtonClick();
    EXPECT_EQ(std::count(view.log.begin(), view.log.end(), "QuoteOn"), 0);
    EXPECT_EQ(std::count(view.log.begin(), view.log.end(), "QuoteOff"), 1);
    EXPECT_EQ(std::count(view.log.begin(), view.log.end(), "FreeOff"), 1);
}

TEST_F(AboutFormTest, AClickIsAPressAndAReleaseOnTheSameControl)
{
    using Under = std::optional<Control>;
    const struct {
        Under press, release;
        std::size_t handed;
    } cases[] = {
        {Control::WEB_Address_Label, Control::WEB_Address_Label, 1},
        {Control::WEB_Address_Label, Control::Badge_Logo, 0},
        {Control::WEB_Address_Label, std::nullopt, 0},
        {std::nullopt, Control::WEB_Address_Label, 0},
        {Control::Label3, Control::Label3, 0}, // no handler
    };
    form.FormActivate();
    for (const auto& c : cases) {
        view.handed.clear();
        form.MouseDown(c.press);
        form.MouseUp(c.release);
        EXPECT_EQ(view.handed.size(), c.handed) << (c.press ? about::design(*c.press).name : "none");
    }
    view.handed.clear();
    form.MouseDown(Control::WEB_Address_Label);
    form.MouseUp(Control::WEB_Address_Label);
    form.MouseUp(Control::WEB_Address_Label);
    EXPECT_EQ(view.handed.size(), 1u) << "a release ends the gesture";
}

TEST_F(AboutFormTest, QuotationPicksAreIndependentAndCoverAllEleven)
{
    form.FormActivate();
    std::vector<std::string> picks;
    for (int i = 0; i < 2000; ++i) {
        form.Quote_Change_TimerTimer();
        picks.push_back(view.captions[Control::Quote_From_Vintrel_Label]);
    }
    const std::set<std::string> seen(picks.begin(), picks.end());
    EXPECT_EQ(seen, std::set<std::string>(kQuotations.begin(), kQuotations.end()));
    // Not a shuffle: the same quotation comes twice in a row now and then (about
    // one pick in eleven).
    int repeats = 0;
    for (std::size_t i = 1; i < picks.size(); ++i)
        repeats += picks[i] == picks[i - 1];
    EXPECT_GT(repeats, 100);
    EXPECT_LT(repeats, 300);
    // Another moment seeds other picks.
    std::vector<std::string> others;
    clock.set({2026, 7, 14, 9, 30, 15, 251});
    form.FormActivate();
    for (int i = 0; i < 20; ++i) {
        form.Quote_Change_TimerTimer();
        others.push_back(view.captions[Control::Quote_From_Vintrel_Label]);
    }
    EXPECT_NE(others, std::vector<std::string>(picks.begin(), picks.begin() + 20));
}

TEST(Quotations, AreWrittenExactlyWithTheirDoubleSpacesAndTrailingBlank)
{
    ASSERT_EQ(kQuotations.size(), 11u);
    EXPECT_STREQ(kQuotations[0], "Since 1980, my passion has been writing useful computer sofware.");
    EXPECT_STREQ(kQuotations[2],
                 "Customer service is important to me.  Why not email me and test this for yourself ?");
    EXPECT_STREQ(kQuotations[3],
                 "Tired of software developers not supporting their programs or replying to emails ?  "
                 "Email me and experience real customer service.");
    EXPECT_STREQ(kQuotations[6], "Ensuring you get good value for money is very important to me. ");
    EXPECT_STREQ(kQuotations[10],
                 "Got a great idea for a computer program ?  Please email me and let me know.");
}

TEST_F(AboutFormTest, TheFigureFollowsTheMemoryStatusAtEachTick)
{
    form.FormActivate();
    memory.load_percent = 0;
    memory.total_physical = 4 * 1024;
    memory.available_physical = 1024;
    form.Free_Resources_TimerTimer();
    EXPECT_EQ(view.captions[Control::Label4], "25%");
}

TEST_F(AboutFormTest, MailLinkNamesTheExecutableAsItIsNamedNow)
{
    form.FormActivate();
    form.Executable_File_Name = [] { return std::string("My Calendar (old).EXE"); };
    form.Email_ButtonClick();
    ASSERT_EQ(view.handed.size(), 1u);
    EXPECT_EQ(view.handed[0], "mailto:support@orrindale.example?subject=Shareware: My Calendar (old).EXE");
    // Each click reads the button's caption again; an empty address is still handed over.
    view.captions[Control::Email_Button] = "";
    form.Email_ButtonClick();
    EXPECT_EQ(view.handed.back(), "mailto:?subject=Shareware: My Calendar (old).EXE");
    EXPECT_FALSE(view.closed);
}

TEST_F(AboutFormTest, WebLinkHandsTheAddressAsItStandsAndNothingWhenEmpty)
{
    form.FormActivate();
    form.WEB_ButtonClick();
    EXPECT_EQ(view.handed, std::vector<std::string>{"https://orrindale.example/"});
    view.captions[Control::WEB_Button] = "";
    form.WEB_ButtonClick();
    EXPECT_EQ(view.handed.size(), 1u);
    EXPECT_FALSE(view.closed);
}

TEST_F(AboutFormTest, OkEscapeAndACloseRequestCloseWithTheTimersAndAnimationOff)
{
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"OK", [this] { form.OKButtonClick(); }},
        {"Escape", [this] { EXPECT_TRUE(form.FormKeyDown(AboutForm::kEscapeKey)); }},
        {"close request", [this] { form.CloseRequested(); }},
    };
    for (const auto& [name, close] : ways) {
        form.FormActivate();
        view.log.clear();
        view.closed = false;
        close();
        EXPECT_EQ(view.log, (std::vector<std::string>{"QuoteOff", "FreeOff", "AnimateOff", "Close"})) << name;
    }
    view.log.clear();
    for (int key : {13, 32, 65, 112})
        EXPECT_FALSE(form.FormKeyDown(key)) << key;
    EXPECT_TRUE(view.log.empty());
}

} // namespace
} // namespace orr
