// libFuzzer target: any bytes through the logo's GIF loading (signature, header and
// the platform decoder), then every frame composed and disposed of as the animation
// does, through passes of the frame scheduler and its rewind.
#include <cstddef>
#include <cstdint>

#include "about/gif_animator.h"
#include "about/gif_loader.h"

namespace {

class NoTimer : public orr::gif::FrameTimer {
public:
    void StartFrameTimer(int) override {}
    void StopFrameTimer() override {}
    void FrameChanged() override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    orr::gif::Picture picture = orr::gif::load({data, size});
    const std::size_t frames = picture.frames.size();
    NoTimer timer;
    orr::gif::Animator logo(timer);
    logo.Load(std::move(picture));
    logo.SetAnimate(true);
    // Two passes and a little: every frame drawn, disposed of and drawn again.
    for (std::size_t tick = 0; tick < 2 * frames + 2; ++tick)
        logo.Tick();
    logo.SetAnimate(false);
    return 0;
}
