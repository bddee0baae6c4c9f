#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace ht57::checks {

// A broken property is a crash, so libFuzzer keeps the input that broke it.
inline void Require(const std::string& failure) {
    if (!failure.empty()) {
        std::fprintf(stderr, "property broken: %s\n", failure.c_str());
        std::abort();
    }
}

}  // namespace ht57::checks
