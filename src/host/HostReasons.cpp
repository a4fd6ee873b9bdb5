#include "host/HostReasons.h"

namespace tolk {

std::string NoReaderReason(const std::string& type) {
    return "no gpsbabel format reads ." + type + " files";
}

std::string NoWriterReason(const std::string& type) {
    return "no gpsbabel format writes ." + type + " files";
}

// A file of another format under this type's extension often reads as nothing at all: naming
// the type it was read as says more than "no data" about a file that visibly holds some.
std::string NothingReadReason(const std::vector<std::string>& types) {
    std::string reason = "gpsbabel read no data from the file as";
    for (std::size_t index = 0; index < types.size(); ++index) {
        reason += (index == 0 ? " ." : " and .") + types[index];
    }
    return reason;
}

// "the 7 readers of .txt", or with readers tried last "the 7 readers of .txt nor 20 of
// gpsbabel's other readers".
std::string ReadersTried(const std::string& type, std::size_t count, std::size_t others) {
    const std::string own = "the " + std::to_string(count) + " readers of ." + type;
    return others == 0 ? own
                       : own + " nor " + std::to_string(others) + " of gpsbabel's other readers";
}

std::string NoneReadReason(const std::string& type, std::size_t count, std::size_t others,
                           const std::string& lastSaid) {
    return "none of " + ReadersTried(type, count, others) +
           " read this file; the last said: " + (lastSaid.empty() ? "nothing" : lastSaid);
}

std::string NoneBelievableReason(const std::string& type, const std::vector<std::string>& names,
                                 std::size_t others, const std::string& complaint) {
    std::string reason = "none of " + ReadersTried(type, names.size() - others, others) +
                         " read believable positions from this file (tried";
    for (std::size_t index = 0; index < names.size(); ++index) {
        reason += (index == 0 ? " " : ", ") + names[index];
    }
    reason += ")";
    return complaint.empty() ? reason : reason + "; " + complaint;
}

} // namespace tolk
