// TMainForm1 on Qt: the main window's widgets, showing one whole year as twelve month
// grids with a button row, its menu and title-bar clock. What the window does is
// orr::MainForm's; this class creates the widgets and is its view.
#pragma once

#include <QMainWindow>
#include <array>
#include <memory>
#include <optional>

#include "app/main_form.h"
#include "app/qt/window_frame.h"
#include "app/qt/window_manager_events.h"

class QAbstractButton;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTimer;
class QToolButton;
class TAboutBox;
class TCalendar;

class TMainForm1 : public QMainWindow, public orr::MainFormView, public orr::MainForm {
    Q_OBJECT

public:
    explicit TMainForm1(QWidget* parent = nullptr);
    ~TMainForm1() override;

    // Month k (1..12) of the year view.
    TCalendar* Calendar(int month) const { return calendars_[month - 1]; }
    QLabel* MonthLabel(int month) const { return labels_[month - 1]; }

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

    // The About window: one set here, or the one this window makes itself once asked to.
    TAboutBox* AboutBox = nullptr;
    // Program start: the About window is made when Help > About first asks for it, so that
    // its widgets, pictures and fonts cost neither start-up time nor memory before then.
    void MakeAboutBoxOnFirstUse() { about_box_wanted_ = true; }

    // Every component the window owns, in the order they were created.
    const std::vector<QObject*>& OwnedComponents() const { return components_; }

    void FormActivate() {}
    // Program start: shows the window once the window manager has told its decoration,
    // so that the stored placement is exact from the first mapping; it is not waited
    // for longer than a moment.
    void ShowWhenFramed();

    // The view.
    std::string YearText() const override;
    void SetYearText(const std::string& text) override;
    void SetCalendarDatePart(int month, orr::DatePart part, int value) override;
    void SetLabelColour(int month, int colour) override;
    void SetYearButtonsEnabled(bool previous, bool next) override;
    int ComponentCount() const override { return static_cast<int>(components_.size()); }
    std::optional<orr::ControlState> Component(int index) const override;
    void SetComponentBounds(int index, const orr::ControlBounds& bounds, int font_height) override;
    int PixelsPerInch() const override { return logicalDpiY(); }
    std::vector<std::string> LayoutLines() const override;
    void AppendLayoutLine(const std::string& line) override;
    void HideScrollBars() override {}  // a QMainWindow never scrolls
    orr::Bounds ClientRect() const override;
    void SetClientSize(int width, int height) override;
    orr::Bounds OuterBounds() const override;
    void SetOuterBounds(const orr::Bounds& outer) override;
    orr::Screens ScreenLayout() const override;
    bool IsMaximized() const override { return isMaximized(); }
    void ShowWindow(int command) override;
    int LauncherShowCommand() const override;
    void SetTopmost(bool on) override;
    bool Checked(orr::MenuOption option) const override;
    void SetChecked(orr::MenuOption option, bool checked) override;
    std::string Caption() const override { return windowTitle().toStdString(); }
    void SetCaption(const std::string& caption) override { setWindowTitle(QString::fromStdString(caption)); }
    // On X11 the icon name, which taskbars show.
    void SetTaskbarTitle(const std::string& title) override
    {
        setWindowIconText(QString::fromStdString(title));
    }
    void SetHint(const std::string& hint) override { setToolTip(QString::fromStdString(hint)); }
    void SetAboutTexts(const orr::AboutTexts& texts) override;
    void ShowAbout() override;
    std::string AboutProductName() const override;
    void Close() override { close(); }
    std::string LongDayName(int weekday) const override;
    std::string LongMonthName(int month) const override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void CreateMenu();
    void CreateMonths();
    void CreateButtonRow();
    void OnClick(QAbstractButton* button, void (orr::MainForm::*handler)());
    QAction* AddItem(QMenu* menu, const char* name, const char* caption, bool checked_item,
                     void (orr::MainForm::*handler)());
    QAction* ActionOf(orr::MenuOption option) const;
    void ShowIfWaiting();
    void MakeAboutBox();
    void ApplyAboutTexts();

    template <typename T>
    T* Own(T* component)
    {
        components_.push_back(component);
        return component;
    }

    QWidget* client_ = nullptr;
    std::vector<QObject*> components_;
    std::array<TCalendar*, kMonths> calendars_{};
    std::array<QLabel*, kMonths> labels_{};
    WindowFrame frame_;
    orr::window::WindowManagerEvents window_manager_;
    bool shown_ = false;
    bool waiting_to_show_ = false;

    // The About window this window made, and the texts it shows, kept until it exists.
    std::unique_ptr<TAboutBox> own_about_box_;
    std::optional<orr::AboutTexts> about_texts_;
    bool about_box_wanted_ = false;
};
