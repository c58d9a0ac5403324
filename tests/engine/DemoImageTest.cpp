// The sample configuration ./run.sh gives the simulated module: a broken or erased
// demo file shows up here rather than as an empty editor in the demo.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "z4config/ImageBinding.h"

namespace vardeck::testing {
namespace {

using controls::CheckList;
using controls::ComboBox;
using controls::Edit;

const std::filesystem::path kDemoImage =
    std::filesystem::path(__FILE__).parent_path() / "../../resources/demo/trix-demo.img";

TEST(DemoImage, DecodesToAFilledTrixConfiguration) {
    std::ifstream in(kDemoImage, std::ios::binary);
    ASSERT_TRUE(in) << kDemoImage;
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    z4config::Image image{};
    ASSERT_EQ(bytes.size(), image.size());
    std::copy(bytes.begin(), bytes.end(), image.begin());
    EXPECT_EQ(image[255], 71);  // the module's own type byte, as a read leaves it

    z4config::Z4Editor editor(71);
    editor.setUpForDeviceType(71);
    z4config::decodeImage(image, editor);
    EXPECT_EQ(editor.get<Edit>("MaskEdit1").text(), "+36305550142");
    EXPECT_EQ(editor.get<Edit>("riasztas").text(), "Betores: bejarati ajto");
    EXPECT_EQ(editor.get<ComboBox>("ComboBox1").itemIndex(), 4);
    EXPECT_EQ(editor.get<CheckList>("SMSst1").checkedBits(), 0x03u);
    EXPECT_EQ(editor.get<Edit>("CIDUGYFEL").text(), "2817");
}

}  // namespace
}  // namespace vardeck::testing
