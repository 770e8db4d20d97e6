#include "ui/FontSubstitutes.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <memory>

namespace {

// One application object for the whole test program, made before any test runs,
// with the program's face substitutes in place before any window exists.
class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "ui_tests";
        static char* argv[] = {name, nullptr};
        application_ = std::make_unique<QApplication>(argc, argv);
        vareldo::SubstituteMissingFaces();
    }
    void TearDown() override { application_.reset(); }

private:
    std::unique_ptr<QApplication> application_;
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

} // namespace
