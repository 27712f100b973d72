// TCalendar: one month as a 7 x 7 grid with a weekday heading row and six rows
// of days. It holds one date; the cell of its day is the selected cell.
#pragma once

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QString>
#include <array>
#include <functional>

#include "monthgrid/custom_grid.h"
#include "monthgrid/month_model.h"

class TCalendar : public TCustomGrid {
    Q_OBJECT

public:
    using ChangeNotify = std::function<void(TCalendar*)>;

    explicit TCalendar(QWidget* owner = nullptr);

    int Year() const { return GetDatePart(1); }
    int Month() const { return GetDatePart(2); }
    int Day() const { return GetDatePart(3); }
    void SetYear(int value) { SetDatePart(1, value); }
    void SetMonth(int value) { SetDatePart(2, value); }
    void SetDay(int value) { SetDatePart(3, value); }

    int GetDatePart(int index) const { return model_.date_part(index); }
    // Ignores values it cannot take; throws EConvertError for an invalid date.
    void SetDatePart(int index, int value);

    int StartOfWeek() const { return model_.start_of_week(); }
    void SetStartOfWeek(int day);
    bool UseCurrentDate() const { return model_.use_current_date(); }
    void SetUseCurrentDate(bool use);
    bool ReadOnly() const { return read_only_; }
    void SetReadOnly(bool read_only) { read_only_ = read_only; }
    int FirstCellOffset() const { return model_.first_cell_offset(); }

    QString DayCellText(int col, int row) const;

    virtual int MonthDayCount(int year, int month) const;
    virtual int ShownMonthDayCount() const;
    virtual bool IsLeap(int year) const;
    virtual void RebuildLayout();

    ChangeNotify OnChange;

protected:
    bool CanSelectCell(int col, int row) override;
    void DrawCellContent(QPainter& painter, int col, int row, const QRect& rect,
                         DrawState state) override;
    void NotifyClick() override;
    virtual void NotifyChange();

    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Cell texts laid out once per font: shaping them at every paint costs more
    // than all the rest of the painting.
    struct LaidOutText {
        QStaticText text;
        int width = 0;
    };
    const LaidOutText& LaidOut(const QString& text, const QFont& font);
    void LoadWeekdayNames();

    orr::MonthModel model_;
    bool read_only_ = false;
    bool rebuilding_ = false;
    std::array<QString, orr::kDaysPerWeek> weekday_names_;  // 0 = Sunday
    QFont laid_out_font_;
    int laid_out_height_ = 0;
    QHash<QString, LaidOutText> laid_out_;
};
