#pragma once

#include "lum/text/string.hpp"

namespace lum {

enum MessageIcon { Info = 0, Error = 1, Warning = 2, Notice = 3 };
enum MessageButtons { Ok = 1, OkCancel = 2, YesNo = 3, YesNoCancel = 4 };
enum class MessageResult { Ok = 0, Yes = 1, No = 2, Cancel = 3 };

// Shows a modal box and waits for the choice. Unknown icons show as Error and
// unknown button sets as a single OK; an empty text shows the caption as the
// text under an empty title.
MessageResult message_box(int icon, const String& text, int buttons, const String& caption);

// The "Fault" box with one OK button; the choice is ignored.
void fault(const String& text);

} // namespace lum
