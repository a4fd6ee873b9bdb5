#include "core/Translate.h"

#include <QCoreApplication>
#include <QString>
#include <vector>

namespace tolk {
namespace {

// One pass over the translated text: QString::arg applied argument by argument would replace a
// "%2" inside the first argument (a file name may hold one) with the second argument.
std::string Filled(const std::string& text, const std::vector<std::string>& args) {
    std::string filled;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool marker =
            text[at] == '%' && at + 1 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9';
        const std::size_t index = marker ? static_cast<std::size_t>(text[at + 1] - '1') : 0;
        if (marker && index < args.size()) {
            filled += args[index];
            ++at;
        } else {
            filled += text[at];
        }
    }
    return filled;
}

} // namespace

std::string Tr(const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
}

std::string Tr(const char* context, const char* source, std::initializer_list<std::string> args) {
    return Filled(Tr(context, source), std::vector<std::string>(args));
}

} // namespace tolk
