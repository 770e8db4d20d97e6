#pragma once

// Included by every test program that makes widgets: one application object for the whole
// program, made before any test runs, with the program's face substitutes in place before
// any window exists.
#include "ui/FontSubstitutes.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <memory>

namespace vareldo::testing {

class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "vareldo_tests";
        static char* argv[] = {name, nullptr};
        application_ = std::make_unique<QApplication>(argc, argv);
        SubstituteMissingFaces();
    }
    void TearDown() override { application_.reset(); }

private:
    std::unique_ptr<QApplication> application_;
};

// An inline variable is made once however many files include this.
inline ::testing::Environment* const QtApplicationRegistered =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

} // namespace vareldo::testing
