// A month grid as a screen reader meets it through Qt: a table named by its month and
// year whose children are the day cells of that month (month_grid_table.h).
#pragma once

class TCalendar;

// Lets Qt build the table for every TCalendar; installing again does nothing.
void install_calendar_accessibility();
// Tells an assistive technology that the grid shows another month: its name, cells and
// selection have changed.
void announce_calendar_change(TCalendar* calendar);
