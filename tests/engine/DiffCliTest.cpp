// vardeck-cli diff: one line per differing control, exit 0/1/2 as diff does.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/engine/CliRun.h"
#include "tests/sim/TestFiles.h"

namespace vardeck::testing {
namespace {

TEST(DiffCli, ListsTheControlsThatDifferAndRefusesAFileOfTheWrongSize) {
    sim::testfiles::TempDir dir("vardeck-diff");
    const std::string demo = (std::filesystem::path(__FILE__).parent_path() / "../../resources/demo/trix-demo.img").string();
    sim::Bytes a = sim::testfiles::readFile(demo);
    ASSERT_EQ(a.size(), 8192u);
    sim::Bytes b = a;
    b[256] = '9';  // the first digit of phone number 1
    sim::testfiles::writeFile(dir.file("a.img"), a);
    sim::testfiles::writeFile(dir.file("b.img"), b);
    sim::testfiles::writeFile(dir.file("short.img"), sim::Bytes(100, 0));

    const CliRun same = cli("diff " + dir.file("a.img") + " " + dir.file("a.img") + " --type 71");
    EXPECT_EQ(same.exitCode, 0);
    EXPECT_EQ(same.out, "");
    const CliRun different = cli("diff " + dir.file("a.img") + " " + dir.file("b.img") + " --type 71 --lang en");
    EXPECT_EQ(different.exitCode, 1);
    EXPECT_EQ(different.out.rfind("MaskEdit1\t", 0), 0u) << different.out;
    EXPECT_EQ(std::count(different.out.begin(), different.out.end(), '\n'), 1);
    EXPECT_EQ(cli("diff " + dir.file("a.img") + " " + dir.file("short.img") + " --type 71").exitCode, 2);
    EXPECT_EQ(cli("diff " + dir.file("a.img") + " " + dir.file("b.img") + " --type 71 --lang xx").exitCode, 2);
}

}  // namespace
}  // namespace vardeck::testing
