#pragma once

#include <windows.h>

// The template number of the program's dialog shown in `window`, or 0 when
// the window is no dialog of this program.
unsigned DialogTemplateOf(HWND window);
