// Message dialog types and buttons, shared by the dialog, its pictures and
// the picture control.
#pragma once

#include <cstdint>

enum TMsgDlgType : std::uint8_t { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
