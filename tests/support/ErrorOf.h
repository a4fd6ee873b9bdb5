#pragma once

#include "core/TolkError.h"

#include <string>

namespace tolk::testing {

/// The message of the TolkError the call throws, or "no error".
template <class Call>
std::string ErrorOf(Call&& call) {
    try {
        call();
    } catch (const TolkError& e) {
        return e.what();
    }
    return "no error";
}

} // namespace tolk::testing
