// The store's tests; the same program run with --store-child ROLE … is a child process of one.
#include "store_test_support.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    int code = 0;
    if (mixora::store::testing::RunChildRole(argc, argv, code)) return code;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
