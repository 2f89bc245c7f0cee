// Modeless windows: shown over the main window, centred the first time, brought to the front.
#pragma once

class QWidget;

// Shows `window` without waiting: centred on its parent's screen the first time (`placed`
// remembers it), back from a minimised state, raised and activated. True when the window was
// hidden before.
bool ShowModeless(QWidget& window, bool& placed);
