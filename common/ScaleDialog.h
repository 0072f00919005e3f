#pragma once

class QWidget;

// Applied to every window when it is shown (and to the main window on every
// resize): scales the window by dpi / 96 when the screen is not at 96 dots per
// inch, gives it the interface font at 9 points, and grows a window smaller
// than its contents to their size plus 2 pixels.
void ScaleDialog(QWidget* form);
