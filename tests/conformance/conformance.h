// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/conformance/driver.h"

#include <gtest/gtest.h>

#include <memory>

namespace kelvastro::conformance {

// Each row gets a fresh front end; its windows are made after it and go before it.
class Conformance : public testing::Test {
protected:
    Conformance() : driver(makeDriver()), d(*driver) {}

    std::unique_ptr<Driver> driver;
    Driver &d;
};

} // namespace kelvastro::conformance
