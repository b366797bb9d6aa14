#pragma once

#include "platform/ScriptedDialogs.h"

// Answers the questions of a card load with nobody there: the disc prompt with Cancel, the
// missing-photo question with No; every message goes to standard error.
class UnattendedDialogs : public ScriptedDialogs {
public:
    UnattendedDialogs() { echoToStandardError = true; }

    int messageBox(const QString& message, int buttons, const QString& caption) override;
};
