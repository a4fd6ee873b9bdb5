// A picked type that no engine format reads or writes: the user chooses the format.
#include "app/Tmainfrm.h"
#include "core/Translate.h"

#include <QTimer>

namespace tolk {
namespace {

std::string ChoicePrompt(const std::string& type, FormatUse use) {
    return use == FormatUse::Read
               ? Tr("Tmainfrm",
                    "No gpsbabel format was found that reads .%1 files.\n\nChoose the format "
                    "gpsbabel should use for them. The choice is kept in hostformats.ini in the "
                    "work folder; cancel to leave the type without one.",
                    {type})
               : Tr("Tmainfrm",
                    "No gpsbabel format was found that writes .%1 files.\n\nChoose the format "
                    "gpsbabel should use for them. The choice is kept in hostformats.ini in the "
                    "work folder; cancel to leave the type without one.",
                    {type});
}

} // namespace

void Tmainfrm::OfferFormatChoice(const std::string& type, FormatUse use) {
    if (m_formatOfferTimer == nullptr) {
        m_formatOfferTimer = new QTimer(this);
        m_formatOfferTimer->setSingleShot(true);
        connect(m_formatOfferTimer, &QTimer::timeout, this,
                [this] { Guarded([this] { OfferPendingFormatChoice(); }); });
    }
    m_formatOfferType = type;
    m_formatOfferUse = use;
    m_formatOfferTimer->start(m_services.formatOfferDelay);
}

void Tmainfrm::OfferPendingFormatChoice() {
    HostConnection& host = m_records.Host;
    const std::string& type = m_formatOfferType;
    if (Running() || !host.NeedsFormatChoice(type, m_formatOfferUse)) {
        return;
    }
    const std::optional<std::string> format = m_services.formatPicker->Choose(
        ChoicePrompt(type, m_formatOfferUse), host.FormatsOffered(m_formatOfferUse));
    if (!format) {
        return;
    }
    if (const std::optional<std::string> refusal = host.ChooseFormat(type, *format)) {
        m_services.messenger.ShowMessage(*refusal);
        return;
    }
    // The jobs' hosts read the choices when they are made; the next run makes them anew.
    m_runner.ForgetHosts();
}

} // namespace tolk
