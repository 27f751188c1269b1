// How every fuzz target reports a broken invariant: a line naming the target, then an abort,
// which libFuzzer records as a crash with its input.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace fuzzing {

[[noreturn]] inline void finding(const char *target, const char *what)
{
    std::fprintf(stderr, "%s fuzzer: %s\n", target, what);
    std::abort();
}

} // namespace fuzzing
