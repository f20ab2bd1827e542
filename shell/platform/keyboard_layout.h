// The keyboard layout for station names typed into the lists.
#pragma once

namespace tnx::platform {

// Switches the program's input to the Russian layout where the platform lets a
// program choose it (Windows); elsewhere the user's layout stays.
void ActivateRussianKeyboardLayout();

}  // namespace tnx::platform
