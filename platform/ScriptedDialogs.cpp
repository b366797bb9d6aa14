#include "platform/ScriptedDialogs.h"

#include <cstdio>

namespace {
Dialogs* currentDialogs = nullptr;
}

Dialogs& Dialogs::current() {
    if (currentDialogs == nullptr) {
        static ScriptedDialogs fallback;
        currentDialogs = &fallback;
    }
    return *currentDialogs;
}

void Dialogs::setCurrent(Dialogs* dialogs) {
    currentDialogs = dialogs;
}

int ScriptedDialogs::safeAnswer(int buttons) {
    switch (buttons & 0xF) {
    case 1:
    case 3:
        return 2;
    case 4:
        return 7;
    default:
        return 1;
    }
}

int ScriptedDialogs::messageBox(const QString& message, int buttons, const QString& caption) {
    asked.push_back({QStringLiteral("message"), message, buttons, caption, {}, 0});
    if (echoToStandardError) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(message));
    }
    if (messageAnswers.empty()) {
        return safeAnswer(buttons);
    }
    const int answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
}

void ScriptedDialogs::plainMessage(const QString& message, const QString& caption) {
    asked.push_back({QStringLiteral("plain"), message, 0, caption, {}, 0});
    if (echoToStandardError) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(message));
    }
}

QString ScriptedDialogs::openFile(const FileDialogRequest& request) {
    asked.push_back({QStringLiteral("open"), request.title, 0, {}, request, 0});
    if (fileAnswers.empty()) {
        return {};
    }
    QString answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

QString ScriptedDialogs::saveFile(const FileDialogRequest& request) {
    asked.push_back({QStringLiteral("save"), request.title, 0, {}, request, 0});
    if (fileAnswers.empty()) {
        return {};
    }
    QString answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

std::optional<QColor> ScriptedDialogs::chooseColor(const QColor& initial) {
    asked.push_back({QStringLiteral("color"), initial.name(), 0, {}, {}, 0});
    if (colorAnswers.empty()) {
        return std::nullopt;
    }
    auto answer = colorAnswers.front();
    colorAnswers.pop_front();
    return answer;
}

void ScriptedDialogs::showHelp(const QString& helpFile, int context) {
    asked.push_back({QStringLiteral("help"), helpFile, 0, {}, {}, context});
}

QString ScriptedDialogs::printerSetup(const QString& title) {
    asked.push_back({QStringLiteral("printer"), title, 0, {}, {}, 0});
    return {};
}

QStringList ScriptedDialogs::messages() const {
    QStringList texts;
    for (const Asked& entry : asked) {
        if (entry.kind == QLatin1String("message") || entry.kind == QLatin1String("plain")) {
            texts.append(entry.text);
        }
    }
    return texts;
}
