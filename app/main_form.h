// TMainForm1: the main window, showing one whole year as twelve month grids
// with a button row to move between years.
#pragma once

#include <QMainWindow>
#include <array>

class QAbstractButton;
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

    int Current_Year = 0;
    int Current_Month = 0;

    void FormShow();
    void Current_Year_BitBtnClick();
    void Last_Year_SpeedButtonClick();
    void Next_Year_SpeedButtonClick();
    void Exit_BitBtnClick();

    static int Year_Of_Today();
    static int Month_Of_Today();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateMonths();
    void CreateButtonRow();
    void OnClick(QAbstractButton* button, void (TMainForm1::*handler)());
    void StepYear(int delta);
    void SetLabelColour(int month, int colour);
    void ColourLabelsFor(int year);
    void UpdateYearButtons(int year);

    QWidget* client_ = nullptr;
    std::array<TCalendar*, kMonths> calendars_{};
    bool shown_ = false;
};
