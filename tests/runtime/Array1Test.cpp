#include <gtest/gtest.h>

#include <numeric>
#include <stdexcept>

#include "runtime/Array1.h"

TEST(Array1, IndexesOneToNAndRefusesTheRest) {
    rt::Array1<double, 3> a;
    a[1] = 1;
    a[3] = 3;
    EXPECT_EQ(*a.begin(), 1);
    EXPECT_EQ(*(a.end() - 1), 3);
    EXPECT_EQ(a[2], 0);  // value-initialised
    EXPECT_THROW(a[0], std::out_of_range);
    EXPECT_THROW(a[4], std::out_of_range);
    a.Fill(2);
    EXPECT_EQ(std::accumulate(a.begin(), a.end(), 0.0), 6);
    rt::Array1<double, 3> b;
    b.Fill(2);
    EXPECT_EQ(a, b);
}
