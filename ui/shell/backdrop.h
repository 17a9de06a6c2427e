#pragma once

// The painted edge of the borderless windows: three nested one-pixel
// outlines in three greens, darkest outside, on the window's background.

namespace tycora::ui {

class Form;

// Draws the frame onto the window's persistent drawing, sized from the
// window's current outer size. Call once, before the window is first shown.
void paintBackdrop(Form &window);

} // namespace tycora::ui
