#pragma once

#include <gtest/gtest.h>
#include <string>

namespace korlink::test {

// Names the cases of a parameterised test by their `name` member.
struct CaseName {
    template <typename Case> std::string operator()(const ::testing::TestParamInfo<Case>& c) const {
        return c.param.name;
    }
};

} // namespace korlink::test
