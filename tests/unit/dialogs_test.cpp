#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "core/dialogs.h"
#include "core/event_guard.h"
#include "tests/support/recording_dialogs.h"

using namespace orr;

namespace {

class DialogsTest : public ::testing::Test {
protected:
    void SetUp() override { set_dialogs(&recorder); }
    void TearDown() override { set_dialogs(nullptr); }
    RecordingDialogs recorder;
};

TEST(ErrorReportText, FullStopOnlyAfterCharactersSortingAfterIt)
{
    EXPECT_EQ(error_report_text("Unable to write to C:\\x\\orrindale.ini"),
              "Unable to write to C:\\x\\orrindale.ini.");
    EXPECT_EQ(error_report_text("Grid index out of range"), "Grid index out of range.");
    EXPECT_EQ(error_report_text("Already stopped."), "Already stopped.");
    EXPECT_EQ(error_report_text("Why!"), "Why!");      // '!' sorts before '.'
    EXPECT_EQ(error_report_text("Path /"), "Path /."); // '/' sorts after '.'
    EXPECT_EQ(error_report_text(""), "");
}

TEST_F(DialogsTest, GuardShowsTheErrorUnderTheApplicationTitleAndGoesOn)
{
    bool after = false;
    guarded([] { throw EConvertError(kDateEncodeMessage); });
    guarded([&] { after = true; });
    ASSERT_EQ(recorder.shown.size(), 1u);
    EXPECT_EQ(recorder.shown[0].kind, BoxKind::Error);
    EXPECT_EQ(recorder.shown[0].caption, application_title());
    EXPECT_EQ(recorder.shown[0].text, "Invalid argument to date encode.");
    EXPECT_EQ(recorder.shown[0].buttons, BoxButtons::Ok);
    EXPECT_TRUE(after);
}

TEST_F(DialogsTest, OnlyYesCountsAsConsent)
{
    recorder.answer = BoxAnswer::Yes;
    EXPECT_TRUE(ask_warning("Really?"));
    recorder.answer = BoxAnswer::No;
    EXPECT_FALSE(ask_warning("Really?"));
    ASSERT_EQ(recorder.shown.size(), 2u);
    EXPECT_EQ(recorder.shown[0].caption, "Warning");
    EXPECT_EQ(recorder.shown[0].buttons, BoxButtons::YesNo);
}

TEST_F(DialogsTest, FixedCaptionsOfTheBoxKinds)
{
    show_information("i");
    show_error("e");
    ASSERT_EQ(recorder.shown.size(), 2u);
    EXPECT_EQ(recorder.shown[0].caption, "Information");
    EXPECT_EQ(recorder.shown[0].kind, BoxKind::Information);
    EXPECT_EQ(recorder.shown[1].caption, "Error");
    EXPECT_EQ(recorder.shown[1].kind, BoxKind::Error);
}

} // namespace
