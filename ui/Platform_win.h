#pragma once

// The Windows side of ui/Platform.h that its tests reach into.
#include "ui/Platform.h"

#include <windows.h>

namespace vareldo::platform {

// The shell call that OpenFolderInShell makes, ShellExecuteW itself unless a test records it.
using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
extern ShellExecuteFunction ShellExecuteCall;

// The show request that a process's start-up record carries (GetStartupInfoW).
ShowRequest ShowRequestFrom(DWORD flags, WORD showWindow);

} // namespace vareldo::platform
