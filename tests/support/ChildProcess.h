#pragma once

namespace testing_support {

// The environment variable that names the child a test program runs instead of its tests.
inline constexpr const char *ChildVariable = "GLOW_TEST_CHILD";

// A helper process of a test (an editor to be killed, say): the test program started again
// with GLOW_TEST_CHILD=<name> runs `body` instead of its tests and exits with its result.
// Declare one at namespace scope.
class ChildProcess {
public:
    ChildProcess(const char *name, int (*body)());
};

// Runs the child that the environment names; false when it names none.
bool runRequestedChild(int &exitCode);

} // namespace testing_support
