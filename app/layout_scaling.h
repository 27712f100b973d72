// Proportional layout scaling of a window's controls: the layout record taken
// once at the design size, and every resize recomputed from it.
#pragma once

#include <QSize>
#include <string>
#include <vector>

class QObject;

// A window's owned components in creation order: widgets are scaled; menus,
// menu items and timers stand in the record as non-visual.
using Components = std::vector<QObject*>;
using LayoutRecord = std::vector<std::string>;

// Line 0 for the client, then one line per component.
LayoutRecord record_layout(QSize client, const Components& components, int pixels_per_inch);

// Sets every visual component's bounds and font from the record, in proportion
// to the client size; an empty record changes nothing.
void scale_layout(const LayoutRecord& record, QSize client, const Components& components,
                  int pixels_per_inch);
