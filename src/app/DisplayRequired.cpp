#include "app/DisplayRequired.h"

#include "core/Translate.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace tolk {
namespace {

struct HeldMessage {
    QtMsgType type;
    std::string file;
    int line;
    std::string function;
    std::string category;
    QString text;
};

// A message handler is a plain function, so what it holds lives here; only the thread that makes
// the application object runs while a DisplayRequired lives.
QtMessageHandler passedOnTo = nullptr;
std::vector<HeldMessage> held;

const char* OrEmpty(const char* text) {
    return text == nullptr ? "" : text;
}

void HoldBack(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "tolkconv: %s\n",
                     Tr("WindowCommandLine",
                        "there is no display to open the window on; tolkconv-batch converts "
                        "without one (see tolkconv-batch --help).")
                         .c_str());
        std::_Exit(1);
    }
    held.push_back({type, OrEmpty(context.file), context.line, OrEmpty(context.function),
                    OrEmpty(context.category), text});
}

} // namespace

DisplayRequired::DisplayRequired() {
    passedOnTo = qInstallMessageHandler(HoldBack);
}

DisplayRequired::~DisplayRequired() {
    qInstallMessageHandler(passedOnTo);
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(message.file.c_str(), message.line,
                                         message.function.c_str(), message.category.c_str());
        qt_message_output(message.type, context, message.text);
    }
    held.clear();
}

} // namespace tolk
