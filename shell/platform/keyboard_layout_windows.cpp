#include <windows.h>

#include "shell/platform/keyboard_layout.h"

namespace tnx::platform {

void ActivateRussianKeyboardLayout() {
    // Language 0x419 with its default layout; loading it also activates it.
    LoadKeyboardLayoutW(L"00000419", KLF_ACTIVATE);
}

}  // namespace tnx::platform
