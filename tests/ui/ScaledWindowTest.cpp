#include "tests/support/WindowHarness.h"

#include <QWindow>

namespace vareldo::testing {
namespace {

// Run by CTest a second time with QT_SCALE_FACTOR=1.5 (see tests/CMakeLists.txt).
TEST(ScaledWindow, ClientAreaGrowsWithTheDisplayScaleFactor)
{
    const QString factor = qEnvironmentVariable("QT_SCALE_FACTOR");
    if (factor.isEmpty())
        GTEST_SKIP() << "needs QT_SCALE_FACTOR";

    ExeFolder folder;
    folder.writeUsualFiles();
    Sent sent;
    T_PRINCIPALE window(RecordingContext(folder.path(), sent));
    window.show();
    const double ratio = window.windowHandle()->devicePixelRatio();
    EXPECT_EQ(factor.toDouble(), ratio);
    EXPECT_EQ(QSize(884, 666), window.size()) << "the layout itself stays in 96-dpi pixels";
    EXPECT_EQ(QSize(qRound(884 * ratio), qRound(666 * ratio)), window.size() * ratio);
}

} // namespace
} // namespace vareldo::testing
