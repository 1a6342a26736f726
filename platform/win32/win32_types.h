#pragma once
// The basic types of the windowing interface. Handles are 32-bit; message parameters are
// pointer-sized, because hook and notification parameters carry addresses of structures.

#include <cstdint>

using HWND = uint32_t;
using UINT = uint32_t;
using DWORD = uint32_t;
using WORD = uint16_t;
using BYTE = uint8_t;
using BOOL = int32_t;
using LONG = int32_t;
using ATOM = uint16_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using LONG_PTR = intptr_t;
using ULONG_PTR = uintptr_t;
using UINT_PTR = uintptr_t;
using HHOOK = uintptr_t;
using HINSTANCE = uintptr_t;
using HMODULE = uintptr_t;
using HMENU = uint32_t;

// A window message as a window procedure of the framework receives it.
struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};
