#include "about/about_scene.h"

#include <algorithm>

namespace orr::about {
namespace {

Point origin_of(Parent parent)
{
    const Control group = parent == Parent::GroupBox1 ? Control::GroupBox1 : Control::GroupBox2;
    return parent == Parent::Window ? Point{} : Point{design(group).left, design(group).top};
}

} // namespace

Scene::Scene()
{
    for (const Design& made : kDesign) {
        const Point origin = origin_of(made.parent);
        const int left = origin.x + made.left;
        const int top = origin.y + made.top;
        Edit(made.id) = {&made, {left, top, left + made.width, top + made.height}, made.caption, made.hint};
        stacking_.push_back(made.id);
    }
}

std::vector<Control> Scene::Drawn(Control group) const
{
    const Parent parent = group == Control::GroupBox2 ? Parent::GroupBox2 : Parent::GroupBox1;
    std::vector<Control> drawn;
    for (Control control : stacking_) {
        const ControlState& state = State(control);
        if (state.design->parent == parent && state.visible && is_graphic(state.design->kind))
            drawn.push_back(control);
    }
    return drawn;
}

std::optional<Control> Scene::GraphicAt(Point point) const
{
    const Control group = State(Control::GroupBox2).bounds.contains(point) ? Control::GroupBox2
                                                                           : Control::GroupBox1;
    if (!State(group).bounds.contains(point))
        return std::nullopt;
    const std::vector<Control> drawn = Drawn(group);
    const auto hit = std::find_if(drawn.rbegin(), drawn.rend(),
                                  [&](Control control) { return State(control).bounds.contains(point); });
    return hit == drawn.rend() ? std::nullopt : std::optional(*hit);
}

std::vector<Control> Scene::HitOrder() const
{
    std::vector<Control> order;
    for (const Control group : {Control::GroupBox2, Control::GroupBox1}) {
        const std::vector<Control> drawn = Drawn(group);
        order.insert(order.end(), drawn.rbegin(), drawn.rend());
        order.push_back(group);
    }
    return order;
}

void Scene::SetCaption(Control control, const std::string& caption)
{
    Edit(control).caption = caption;
    Changed(control, Change::Caption, State(control).bounds);
    Fit(control);
}

void Scene::SetHint(Control control, const std::string& hint)
{
    Edit(control).hint = hint;
    Changed(control, Change::Hint, State(control).bounds);
}

void Scene::SetVisible(Control control, bool visible)
{
    Edit(control).visible = visible;
    Changed(control, Change::Visible, State(control).bounds);
}

int Scene::Top(Control control) const
{
    return State(control).bounds.top - origin_of(State(control).design->parent).y;
}

void Scene::SetTop(Control control, int top)
{
    const Rect was = State(control).bounds;
    const int by = top - Top(control);
    Rect& bounds = Edit(control).bounds;
    bounds.top += by;
    bounds.bottom += by;
    Changed(control, Change::Bounds, was);
}

void Scene::SetHandCursor(Control control)
{
    Edit(control).hand = true;
    Changed(control, Change::Cursor, State(control).bounds);
}

void Scene::SendToBack(Control control)
{
    std::erase(stacking_, control);
    stacking_.insert(stacking_.begin(), control);
    Changed(control, Change::Stacking, State(control).bounds);
}

void Scene::FitToText()
{
    for (const Design& made : kDesign)
        Fit(made.id);
}

void Scene::Fit(Control control)
{
    if (!(State(control).design->style & kAutoSize))
        return;
    const Rect was = State(control).bounds;
    const Size size = TextSize(control);
    Rect& bounds = Edit(control).bounds;
    bounds.right = bounds.left + size.width;
    bounds.bottom = bounds.top + size.height;
    Changed(control, Change::Bounds, was);
}

} // namespace orr::about
