// The framework's message box: a title form built at run time with the
// dialog type's picture, the word-wrapped bold message and a strip of
// picture buttons; modal; answers with the modal result of the button.
#pragma once

#include <cstdint>
#include <string>

#include "ui/base/msg_types.h"

class TMessageForm;

enum TMsgDlgBtn : std::uint8_t {
    mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp, mbClose,
};
// A set of buttons: bit n stands for button n.
using TMsgDlgButtons = std::uint16_t;
constexpr TMsgDlgButtons MsgButton(TMsgDlgBtn button) { return static_cast<TMsgDlgButtons>(1u << button); }

inline constexpr std::uint8_t TextAlignLeft = 0, TextAlignRight = 1, TextAlignCenter = 2;

// Put before every message when not empty (upper-cased, a comma, two CRs).
extern std::wstring MsgPrefix;
// Automatic modes: single-button dialogs close themselves after
// AutoCloseSwitch x 300 ms; dialogs with buttons press their default button.
extern std::int32_t AutoCloseSwitch;
extern std::int32_t AutoPressSwitch;
// The dialog the automatic timer watches, or nullptr.
extern TMessageForm* AutoDialog;

const wchar_t* DialogCaption(TMsgDlgType type);

// Shows the dialog modally. The result is the modal result of the button
// that closed it, 2 after an automatic close, 5 after the picture shortcut,
// 0 when the dialog could not be built or shown.
std::uint16_t MsgDialog(const std::wstring& Text, const std::wstring& Caption, TMsgDlgType DlgType,
                        std::uint8_t TextAlign, TMsgDlgButtons Buttons, TMsgDlgBtn DefaultButton,
                        std::int32_t HelpCtx);

// The message text with the prefix applied.
std::wstring PrefixedMessage(const std::wstring& text);
