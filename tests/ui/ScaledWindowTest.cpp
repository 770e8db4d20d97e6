#include "tests/support/WindowHarness.h"

#include <QWindow>

namespace vareldo::testing {
namespace {

// Run by CTest with QT_SCALE_FACTOR=1.5, together with the layout and text-fit suites, which
// then prove that every control keeps its place, font and colour and every text still fits on a
// display scaled to 150 % (see tests/CMakeLists.txt). This one proves that the display really
// is scaled there, and that the window keeps the size it was designed with.
TEST(ScaledWindow, DisplayIsScaledAndTheWindowKeepsItsDesignedSize)
{
    const QString factor = qEnvironmentVariable("QT_SCALE_FACTOR");
    if (factor.isEmpty())
        GTEST_SKIP() << "needs QT_SCALE_FACTOR";

    const WindowHarness w;
    ASSERT_EQ(factor.toDouble(), w.window->windowHandle()->devicePixelRatio()) << "the display is not scaled";
    EXPECT_EQ(QSize(884, 666), w.window->size()) << "the layout itself stays in 96-dpi pixels";
}

} // namespace
} // namespace vareldo::testing
