#include "lum/app/process/message_box.hpp"

#include "lum/platform/dialog.hpp"

namespace lum {

MessageResult message_box(int icon, const String& text, int buttons, const String& caption) {
    using namespace platform;
    DialogIcon i = DialogIcon::ERROR;
    if (icon == Info || icon == Notice)
        i = DialogIcon::INFORMATION;
    else if (icon == Warning)
        i = DialogIcon::WARNING;

    DialogButtons b = DialogButtons::OK;
    if (buttons == OkCancel)
        b = DialogButtons::OK_CANCEL;
    else if (buttons == YesNo)
        b = DialogButtons::YES_NO;
    else if (buttons == YesNoCancel)
        b = DialogButtons::YES_NO_CANCEL;

    DialogChoice choice =
        text.empty() ? show_dialog(i, b, String(), caption) : show_dialog(i, b, caption, text);
    switch (choice) {
    case DialogChoice::YES:
        return MessageResult::Yes;
    case DialogChoice::NO:
        return MessageResult::No;
    case DialogChoice::CANCEL:
        return MessageResult::Cancel;
    case DialogChoice::OK:
        break;
    }
    return MessageResult::Ok;
}

void fault(const String& text) {
    message_box(Info, text, Ok, String("Fault"));
}

} // namespace lum
