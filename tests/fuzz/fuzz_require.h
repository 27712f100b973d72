// The fuzz targets' check: a broken property is a crash libFuzzer keeps the input of.
#pragma once

#include <cstdio>
#include <cstdlib>

inline void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}
