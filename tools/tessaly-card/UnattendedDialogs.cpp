#include "tools/tessaly-card/UnattendedDialogs.h"

namespace {
constexpr int yesNoCancel = 3;
constexpr int answerNo = 7;
} // namespace

int UnattendedDialogs::messageBox(const QString& message, int buttons, const QString& caption) {
    const int safe = ScriptedDialogs::messageBox(message, buttons, caption);
    // Going on without a missing photo loses nothing of the card file.
    return (buttons & 0xF) == yesNoCancel ? answerNo : safe;
}
