// The About window's controls as the Win32 window draws them: which graphic control a
// click or the cursor finds, the order they are drawn in, and labels sized to their text.
#include <algorithm>
#include <gtest/gtest.h>

#include "about/about_scene.h"

namespace orr::about {
namespace {

class TestScene : public Scene {
public:
    TestScene()
    {
        FitToText();
        changes.clear();
    }
    Size TextSize(Control control) const override { return {7 * int(State(control).caption.size()), 15}; }
    void Changed(Control control, Change change, const Rect& was) override
    {
        changes.push_back({control, change, was});
    }
    void SetTimerEnabled(AboutTimer, bool) override {}
    void SetLogoAnimate(bool) override {}
    void SetWindowCaption(const std::string&) override {}
    void HandToShell(const std::string&) override {}
    void CloseWindow() override {}
    struct Seen {
        Control control;
        Change change;
        Rect was;
    };
    std::vector<Seen> changes;
};

TEST(AboutScene, APointFindsTheTopmostVisibleGraphicControl)
{
    TestScene scene;
    scene.SendToBack(Control::Bevel3);
    const struct {
        Point point;
        std::optional<Control> found;
    } cases[] = {
        {{100, 20}, Control::Vintrel_Logo_Banner_Image},
        {{100, 58}, Control::Vintrel_Logo_Banner_Image},
        {{7, 100}, Control::Bevel1},
        {{20, 100}, Control::Vintrel_Logo_GIFImage},
        {{450, 310}, Control::Badge_Label},
        {{575, 343}, Control::Bevel3},
        {{500, 220}, Control::Comments}, // not the button
        {{600, 100}, std::nullopt},
        {{15, 350}, std::nullopt},
    };
    const std::vector<Control> order = scene.HitOrder();
    for (const auto& c : cases) {
        EXPECT_EQ(scene.GraphicAt(c.point), c.found) << c.point.x << "," << c.point.y;
        // The hit order finds the same control first.
        const auto first = std::find_if(order.begin(), order.end(),
                                        [&](Control k) { return scene.State(k).bounds.contains(c.point); });
        if (c.found) {
            EXPECT_TRUE(first != order.end() && *first == *c.found) << c.point.x << "," << c.point.y;
        }
    }
    scene.SetVisible(Control::Badge_Label, false);
    EXPECT_EQ(scene.GraphicAt({450, 310}), Control::Badge_Logo);
    EXPECT_EQ(scene.Drawn(Control::GroupBox1).front(), Control::Bevel3);
    EXPECT_EQ(scene.Drawn(Control::GroupBox2), std::vector<Control>{Control::Vintrel_Logo_Banner_Image});
}

TEST(AboutScene, AutoSizedLabelsFollowTheirTextAndMovesKeepTheSize)
{
    TestScene scene;
    EXPECT_EQ(scene.State(Control::Label4).bounds, (Rect{375, 272, 375 + 42, 287}));
    scene.SetCaption(Control::Label4, "65%");
    scene.SetTop(Control::Label4, 230);
    EXPECT_EQ(scene.Top(Control::Label4), 230);
    EXPECT_EQ(scene.State(Control::Label4).bounds, (Rect{375, 282, 375 + 21, 297}));
    ASSERT_EQ(scene.changes.size(), 3u);
    EXPECT_EQ(scene.changes[0].change, Change::Caption);
    EXPECT_EQ(scene.changes[1].was, (Rect{375, 272, 375 + 42, 287})) << "resized after the caption";
    EXPECT_EQ(scene.changes[2].was, (Rect{375, 272, 375 + 21, 287}));
    scene.SetCaption(Control::ProductName, "A much longer product name");
    EXPECT_EQ(scene.State(Control::ProductName).bounds.width(), 380) << "not sized to its text";
}

} // namespace
} // namespace orr::about
