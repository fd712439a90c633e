#include "StartupMessages.h"

#include "StartupFailure.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace {

QStringList* Active = nullptr;
QtMessageHandler Previous = nullptr;

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(NoDisplayLine(*Active)));
        std::_Exit(EXIT_FAILURE);
    }
    Active->append(qFormatLogMessage(type, context, message));
}

}  // namespace

StartupMessages::StartupMessages()
{
    Active = &Messages;
    Previous = qInstallMessageHandler(Hold);
}

StartupMessages::~StartupMessages()
{
    if (Active == &Messages) {
        qInstallMessageHandler(Previous);
        Active = nullptr;
    }
}

void StartupMessages::Release()
{
    if (Active != &Messages)
        return;
    qInstallMessageHandler(Previous);
    Active = nullptr;
    for (const QString& message : Messages)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}
