#pragma once

// Common base of the screen-space interface elements (image buttons, floating
// notices, the HUD bars), so screens can hold them side by side.
class Widget
{
public:
    virtual ~Widget() = default;
};
