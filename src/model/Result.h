#pragma once

#include <string>
#include <utility>

namespace ht57 {

// Outcome of an operation that can fail. `message` is the text the user is
// shown as it stands; `detail` says what was being done and to which file, for
// whoever wants more than the message box gives.
struct [[nodiscard]] Result {
    bool ok = true;
    std::string message;
    std::string detail;

    explicit operator bool() const { return ok; }

    static Result Success() { return {}; }
    static Result Failure(std::string message, std::string detail = {}) {
        return {false, std::move(message), std::move(detail)};
    }
};

}  // namespace ht57
