// TMainForm1: the main window, showing one whole year as twelve month grids
// with a button row to move between years, its menu, title-bar clock, start-up
// and close.
#pragma once

#include <QMainWindow>
#include <QMargins>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "app/layout_scaling.h"

class QAbstractButton;
class QAction;
class QListWidget;
class QMenu;
class QTimer;
class TAboutBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TCalendar;

class TMainForm1 : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int kMonths = 12;
    // Colour values are 0x00BBGGRR numbers.
    static constexpr int kHighlightColour = 255;  // pure red
    static constexpr int kPlainColour = 0;        // black

    static constexpr const char* kTitle = "Orrindale v1.0";

    explicit TMainForm1(QWidget* parent = nullptr);

    // Month k (1..12) of the year view.
    TCalendar* Calendar(int month) const { return calendars_[month - 1]; }
    QLabel* MonthLabel(int month) const;

    QWidget* Client() const { return client_; }
    QGroupBox* GroupBox1 = nullptr;
    QToolButton* Last_Year_SpeedButton = nullptr;
    QLineEdit* Year_Edit = nullptr;
    QToolButton* Next_Year_SpeedButton = nullptr;
    QPushButton* Current_Year_BitBtn = nullptr;
    QPushButton* Exit_BitBtn = nullptr;

    QMenu* FileMenu = nullptr;
    QAction* Always_On_Top_Option = nullptr;
    QAction* Auto_Run_at_Windows_Startup_Option = nullptr;
    QAction* Restore_Factory_Defaults_Option = nullptr;
    QAction* N2 = nullptr;
    QAction* ExitOption = nullptr;
    QMenu* HelpMenu = nullptr;
    QAction* View_Readme_file_Option = nullptr;
    QAction* View_Shareware_Catalog_Option = nullptr;
    QAction* N1 = nullptr;
    QAction* AboutOption = nullptr;

    QTimer* Timer1 = nullptr;
    QListWidget* Scaling_ListBox = nullptr;

    // The About window, created by program start right after this window.
    TAboutBox* AboutBox = nullptr;

    // Step 16 of the start-up: whether a start-up registration for this program exists,
    // after offering to repair a stale one. The auto-run registration is checked here;
    // until it is plugged in, none is reported.
    std::function<bool()> Verify_Auto_Run_Path = [] { return false; };
    // The settings file, taken afresh at each use.
    std::function<std::string()> Settings_File_Path;

    int Current_Year = 0;
    int Current_Month = 0;

    void FormShow();
    void FormCloseQuery();
    void FormResize();
    void FormActivate();
    void Current_Year_BitBtnClick();
    void Last_Year_SpeedButtonClick();
    void Next_Year_SpeedButtonClick();
    void Exit_BitBtnClick();
    void ExitOptionClick();
    void AboutOptionClick();
    void Always_On_Top_OptionClick();
    void Restore_Factory_Defaults_OptionClick();
    void Timer1Timer();
    // The desktop session is ending: the window closes as through its close box.
    void SessionEnding();

    void Set_Titles();
    void Apply_Startup_Show_State();
    void Save_Settings();
    void Toggle_Always_On_Top();
    void Restore_Factory_Defaults();

    // The layout record and its proportional scaling.
    void Record_Layout();
    void Scale_Layout();
    // Every component the window owns, in the order they were created.
    const Components& OwnedComponents() const { return components_; }

    // Outer bounds: the frame including the window manager's decoration.
    QRect OuterBounds() const;
    void SetOuterBounds(QRect outer);

    static int Year_Of_Today();
    static int Month_Of_Today();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void CreateMonths();
    void CreateButtonRow();
    void CreateMenu();
    void OnClick(QAbstractButton* button, void (TMainForm1::*handler)());
    QAction* AddItem(QMenu* menu, const char* name, const char* caption, bool checked_item,
                     void (TMainForm1::*handler)());
    QMargins FrameMargins() const;
    void RestoreFromMaximized();
    void CorrectForFirstFrame();
    void StepYear(int delta);
    void SetLabelColour(int month, int colour);
    void ColourLabelsFor(int year);
    void UpdateYearButtons(int year);

    template <typename T>
    T* Own(T* component)
    {
        components_.push_back(component);
        return component;
    }

    QWidget* client_ = nullptr;
    Components components_;
    std::array<TCalendar*, kMonths> calendars_{};
    bool shown_ = false;
    // The decoration as the window manager announced it before the first mapping.
    QMargins expected_frame_;
    // Outer bounds applied before the window manager could tell its decoration.
    std::optional<QRect> awaiting_frame_;
    QTimer* frame_watch_ = nullptr;
    int frame_watch_ticks_ = 0;
};
