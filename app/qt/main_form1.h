// TMainForm1 on Qt: the main window's widgets, made from the shared design table, and
// the view of the orr::MainForm it holds. What the window does is that form's; this
// class translates between Qt and it.
#pragma once

#include <QMainWindow>
#include <array>
#include <memory>
#include <vector>

#include "app/main_form.h"
#include "app/qt/window_frame.h"
#include "app/qt/window_manager_events.h"
#include "app/system_locale_names.h"

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

class TMainForm1 : public QMainWindow, public orr::SystemLocaleNames<orr::MainFormView> {
    Q_OBJECT

public:
    explicit TMainForm1(QWidget* parent = nullptr);
    ~TMainForm1() override;

    orr::MainForm& Form() { return form_; }
    // Program start: the start-up sequence runs once the window manager has told its
    // decoration, so that the stored placement is exact from the first mapping; it is
    // not waited for longer than a moment. The sequence shows the window.
    void Start();

    // The controls the window speaks to by name; every other one has its name as its
    // object name only.
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
    QAction* Print_Year_Option = nullptr;
    QAction* ExitOption = nullptr;
    QMenu* HelpMenu = nullptr;
    QAction* AboutOption = nullptr;
    QTimer* Timer1 = nullptr;
    QListWidget* Scaling_ListBox = nullptr;
    // The About window: one set here, or the one this window makes when first asked.
    TAboutBox* AboutBox = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QObject* Make(const orr::mainform::Design& design);
    QWidget* MakeControl(const orr::mainform::Design& design, QWidget* parent);
    QObject* MakeMenuEntry(const orr::mainform::Design& design);
    template <typename T>
    T* Named(const char* name) const
    {
        return static_cast<T*>(components_[orr::mainform::index_of(name)]);
    }
    void StartOnce();

    // The view, which the form speaks to.
    void SetYearText(const std::string& text) override;
    void SetCalendarDatePart(int month, orr::DatePart part, int value) override;
    void SetLabelColour(int month, int colour) override;
    void SetYearButtonsEnabled(bool previous, bool next) override;
    int DesignDensity() const override;
    int PixelsPerInch() const override { return logicalDpiY(); }
    void PlaceControls(const std::vector<orr::ControlPlacement>& batch) override;
    void MirrorLayoutRecord(const std::vector<std::string>& lines) override;
    void HideScrollBars() override {} // a QMainWindow never scrolls
    orr::Bounds ClientRect() const override;
    void SetClientSize(int width, int height) override;
    orr::Bounds OuterBounds() const override;
    void SetOuterBounds(const orr::Bounds& outer) override;
    orr::Screens ScreenLayout() const override;
    bool IsMaximized() const override { return isMaximized(); }
    void ShowWindow(int command) override;
    int LauncherShowCommand() const override;
    void SetTopmost(bool on) override;
    void SetChecked(orr::MenuOption option, bool checked) override;
    void SetCaption(const std::string& caption) override;
    void SetTaskbarTitle(const std::string& title) override;
    void SetHint(const std::string& hint) override;
    void ShowAbout(const orr::AboutTexts& texts) override;
    void PrintYear(const orr::print::YearPage& page) override;
    void Close() override { close(); }

    orr::MainForm form_{static_cast<orr::MainFormView&>(*this)};
    QWidget* client_ = nullptr;
    // Every component of the design table, by its index there.
    std::vector<QObject*> components_;
    std::array<TCalendar*, orr::MainForm::kMonths> calendars_{};
    std::array<QLabel*, orr::MainForm::kMonths> labels_{};
    WindowFrame frame_;
    orr::window::WindowManagerEvents window_manager_;
    bool waiting_to_start_ = false;
    std::unique_ptr<TAboutBox> own_about_box_;
};
