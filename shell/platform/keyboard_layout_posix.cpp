#include "shell/platform/keyboard_layout.h"

namespace tnx::platform {

// X11 and Wayland leave the layout to the desktop.
void ActivateRussianKeyboardLayout() {}

}  // namespace tnx::platform
