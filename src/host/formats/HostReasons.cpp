#include "host/formats/HostReasons.h"

#include "core/Translate.h"
namespace tolk {

std::string NoReaderReason(const std::string& type) {
    return Tr("Host", "no gpsbabel format reads .%1 files", {type});
}

std::string NoWriterReason(const std::string& type) {
    return Tr("Host", "no gpsbabel format writes .%1 files", {type});
}

// A file of another format under this type's extension often reads as nothing at all: naming
// the type it was read as says more than "no data" about a file that visibly holds some.
std::string NothingReadReason(const std::vector<std::string>& types) {
    std::string named;
    for (std::size_t index = 0; index < types.size(); ++index) {
        named += (index == 0 ? "." : Tr("Host", " and .")) + types[index];
    }
    return Tr("Host", "gpsbabel read no data from the file as %1", {named});
}

// "the 7 readers of .txt", or with readers tried last "the 7 readers of .txt nor 20 of
// gpsbabel's other readers".
std::string ReadersTried(const std::string& type, std::size_t count, std::size_t others) {
    const std::string own = Tr("Host", "the %1 readers of .%2", {std::to_string(count), type});
    return others == 0
               ? own
               : Tr("Host", "%1 nor %2 of gpsbabel's other readers", {own, std::to_string(others)});
}

std::string NoneReadReason(const std::string& type, std::size_t count, std::size_t others,
                           const std::string& lastSaid) {
    return Tr(
        "Host", "none of %1 read this file; the last said: %2",
        {ReadersTried(type, count, others), lastSaid.empty() ? Tr("Host", "nothing") : lastSaid});
}

std::string NoneBelievableReason(const std::string& type, const std::vector<std::string>& names,
                                 std::size_t others, const std::string& complaint) {
    std::string tried;
    for (std::size_t index = 0; index < names.size(); ++index) {
        tried += (index == 0 ? "" : ", ") + names[index];
    }
    const std::string reason =
        Tr("Host", "none of %1 read believable positions from this file (tried %2)",
           {ReadersTried(type, names.size() - others, others), tried});
    return complaint.empty() ? reason : reason + "; " + complaint;
}

} // namespace tolk
