#pragma once

#include <QStringList>

// Holds Qt's own messages while the program starts. A start that fails is
// told in one line that names its cause, not in Qt's generic advice; a start
// that succeeds passes the held messages on as they came. Qt's abort when no
// platform can be opened becomes that one line and exit code 1.
class StartupMessages {
public:
    StartupMessages();
    ~StartupMessages();
    StartupMessages(const StartupMessages&) = delete;
    StartupMessages& operator=(const StartupMessages&) = delete;

    // Each held message as Qt would have printed it, category first.
    const QStringList& Held() const { return Messages; }

    // Writes the held messages to stderr and lets later ones through.
    void Release();

private:
    QStringList Messages;
};
