// One main form over a recording view, on a fixed day, with the user answering boxes
// and the settings file in a fresh temporary folder.
#pragma once

#include <gtest/gtest.h>
#include <string>

#include "app/main_form.h"
#include "core/clock.h"
#include "core/dialogs.h"
#include "core/product.h"
#include "tests/support/recording_dialogs.h"
#include "tests/support/recording_view.h"
#include "tests/unit/settings/temp_folder.h"

namespace orr::test {

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        set_clock(&today);
        set_dialogs(&user);
        form.Settings_File_Path = [this] {
            view.record("SettingsFile");
            return ini;
        };
        form.Verify_Auto_Run_Path = [this] {
            view.record("VerifyAutoRun");
            return registered;
        };
        view.on_resize = [this](int width, int height) { form.FormResize(width, height); };
    }
    void TearDown() override
    {
        set_clock(nullptr);
        set_dialogs(nullptr);
        set_application_title(kProductTitle);
    }

    FixedClock today{{2026, 3, 15, 9, 30, 0}}; // a Sunday in March
    RecordingDialogs user;
    TempFolder folder;
    std::string ini = folder.file(kSettingsFileName);
    bool registered = false;
    RecordingView view;
    MainForm form{view};
};

} // namespace orr::test
