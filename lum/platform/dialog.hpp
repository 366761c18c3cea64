#pragma once

#include "lum/text/string.hpp"

namespace lum::platform {

enum class DialogIcon { INFORMATION, ERROR, WARNING };
enum class DialogButtons { OK, OK_CANCEL, YES_NO, YES_NO_CANCEL };
enum class DialogChoice { OK, CANCEL, YES, NO };

// The environment variable that turns dialogs off and scripts the answer:
// "ok", "cancel", "yes" or "no". Tests set it so that nothing ever blocks.
inline constexpr const char* DIALOG_ANSWER_VARIABLE = "LUM_MESSAGE_BOX";

// Shows a modal dialog and waits for the choice. The title and text always go
// to standard error as well. With LUM_MESSAGE_BOX set, or without a display,
// no dialog opens: the scripted answer (when the box offers it) or the first
// button is the choice.
DialogChoice show_dialog(DialogIcon icon, DialogButtons buttons, const String& title, const String& text);

} // namespace lum::platform
