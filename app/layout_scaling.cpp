#include "app/layout_scaling.h"

#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include "app/scaling/layout_record.h"

namespace {

QWidget* visual_control(QObject* component)
{
    auto* widget = qobject_cast<QWidget*>(component);
    if (!widget || qobject_cast<QMenu*>(widget) || qobject_cast<QMenuBar*>(widget))
        return nullptr;
    return widget;
}

// Fonts are held as character heights in pixels; a font set in points is
// converted at the screen's resolution first.
int point_size_of(const QFont& font, int pixels_per_inch)
{
    const int height = font.pixelSize() > 0
                           ? -font.pixelSize()
                           : orr::height_from_point_size(qRound(font.pointSizeF()), pixels_per_inch);
    return orr::point_size_from_height(height, pixels_per_inch);
}

} // namespace

LayoutRecord record_layout(QSize client, const Components& components, int pixels_per_inch)
{
    LayoutRecord lines;
    lines.push_back(orr::window_line(client.width(), client.height()));
    for (QObject* component : components) {
        QWidget* control = visual_control(component);
        if (!control) {
            lines.emplace_back(orr::kNonVisualLine);
            continue;
        }
        const QRect r = control->geometry();
        const orr::ControlBounds bounds{r.left(), r.width(), r.top(), r.height(),
                                        point_size_of(control->font(), pixels_per_inch)};
        lines.push_back(orr::control_line(bounds, control->objectName().toStdString()));
    }
    return lines;
}

void scale_layout(const LayoutRecord& record, QSize client, const Components& components,
                  int pixels_per_inch)
{
    if (record.empty())
        return;
    const std::string& window = record.front();
    const orr::ScaleRatios ratios = orr::scale_ratios(client.width(), client.height(),
                                                      orr::Get_Field(window, " ", 1),
                                                      orr::Get_Field(window, " ", 2));
    const std::size_t count = std::min(components.size(), record.size() - 1);
    for (std::size_t i = 0; i < count; ++i) {
        QWidget* control = visual_control(components[i]);
        const auto bounds = orr::scaled_bounds(record[i + 1], ratios);
        if (!control || !bounds)
            continue;
        control->setGeometry(bounds->left, bounds->top, bounds->width, bounds->height);
        QFont font = control->font();
        font.setPixelSize(-orr::height_from_point_size(bounds->point_size, pixels_per_inch));
        control->setFont(font);
    }
}
