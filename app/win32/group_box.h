// A group box holding controls: a BUTTON of style BS_GROUPBOX passes its children's
// notifications (commands, colours, owner drawing) on to the window that owns it.
#pragma once

#include <windows.h>

void forward_to_owner(HWND group_box, HWND owner);
