// The running GoogleTest test as "Suite.Name": the name of its driver's
// output folder.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "ui/platform/sysutils.h"

inline std::wstring ScenarioName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return Utf8ToWide(std::string(info->test_suite_name()) + "." + info->name());
}
