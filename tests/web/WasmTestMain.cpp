#include <gtest/gtest.h>

#include <cstdlib>

// A pause unwinds main and resumes it later, so the status is handed to exit
// explicitly rather than returned from a main that has already "returned".
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    std::exit(RUN_ALL_TESTS());
}
