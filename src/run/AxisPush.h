#pragma once

// Turns a pad axis into pushes: SFML reports an axis from -100 to 100 in a stream of
// motion events, and a screen wants one step per push of the stick, not one per
// event. An axis counts as pushed past `threshold` (on the -1..1 scale) and must
// come back under half of it before it can push again.
class AxisPush
{
public:
    explicit AxisPush(float threshold) : threshold_(threshold) {}

    // Feeds the axis's raw position; answers -1 or +1 on the event that starts a
    // push, 0 otherwise.
    int feed(float raw)
    {
        const float v = raw / 100.f;
        if (latched_ != 0)
        {
            if (v * static_cast<float>(latched_) < threshold_ * 0.5f)
                latched_ = 0;
            return 0;
        }
        if (v > threshold_)
            latched_ = 1;
        else if (v < -threshold_)
            latched_ = -1;
        return latched_;
    }
    void reset() { latched_ = 0; }

private:
    float threshold_;
    int latched_ = 0;
};
