// Each picture of the animation on the screen before its pause.
#pragma once

// Sends what the window has drawn to the compositor now. A Wayland platform otherwise holds it
// until the event loop runs again, which a busy pause does not let happen; on X11 each repaint is
// sent already, and elsewhere there is nothing to send.
void sendDrawingToScreen();
