// Command and control identifiers of the main window. They stay clear of IDOK and
// IDCANCEL, which the dialog manager sends for Enter and Escape.
#pragma once

enum : int {
    kIdFirstLabel = 100,    // Label1 .. Label12
    kIdFirstCalendar = 200, // Calendar1 .. Calendar12
    kIdGroupBox = 300,
    kIdLastYear,
    kIdYearEdit,
    kIdNextYear,
    kIdCurrentYear,
    kIdExitButton,
    kIdScalingListBox,
    kIdAlwaysOnTop = 400,
    kIdAutoRun,
    kIdRestoreDefaults,
    kIdExit,
    kIdViewReadme,
    kIdViewCatalog,
    kIdAbout,
};
