// Small types and constants of the dialog framework, with the values Win32 gives them,
// so the Win32 back end passes them through unchanged.
#pragma once
#include <cstdint>

#include "platform/clock.h"

typedef std::uint8_t BYTE;
typedef void* WindowHandle;   // HWND on Win32, the in-memory window when headless
typedef void* IconHandle;     // HICON on Win32

namespace fw {

// A colour as 0x00BBGGRR.
typedef std::uint32_t Colour;

// Message box styles and answers.
enum : unsigned {
  kMbOk = 0x00000000u,
  kMbOkCancel = 0x00000001u,
  kMbYesNo = 0x00000004u,
  kMbIconError = 0x00000010u,
  kMbIconQuestion = 0x00000020u,
  kMbIconExclamation = 0x00000030u,
  kMbIconInformation = 0x00000040u,
};
enum : int { kIdOk = 1, kIdCancel = 2, kIdYes = 6, kIdNo = 7 };

// ShowWindow commands.
enum : int { kSwHide = 0, kSwShow = 5 };

// Window messages and keys seen by PreTranslateMessage.
enum : unsigned { kWmKeyDown = 0x0100u, kWmKeyUp = 0x0101u, kWmChar = 0x0102u };
enum : unsigned { kVkReturn = 0x0Du, kVkEscape = 0x1Bu, kVkTab = 0x09u, kVkSpace = 0x20u };

// Combo box "no item" result.
enum : int { kCbErr = -1 };

// A queued window message, as PreTranslateMessage sees it.
struct Msg {
  WindowHandle hwnd;
  unsigned message;
  std::uintptr_t wParam;
  std::intptr_t lParam;
};

// A calendar date and time (the fields of SYSTEMTIME): the platform's local time.
using DateTime = plat::LocalTime;
using plat::IsValidDateTime;

}  // namespace fw

