#include "brand/JpegLogo.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <jpeglib.h>

using vardeck::decodeJpeg;
using vardeck::decodeJpegFile;

namespace {

// A small JPEG made with libjpeg's encoder: a red left half, a blue right half.
std::vector<uint8_t> makeJpeg(int width, int height) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = width;
    cinfo.image_height = height;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<uint8_t> row(width * 3);
    for (int x = 0; x < width; ++x) {
        bool left = x < width / 2;
        row[x * 3 + 0] = left ? 255 : 0;
        row[x * 3 + 1] = 0;
        row[x * 3 + 2] = left ? 0 : 255;
    }
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&cinfo, &r, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::vector<uint8_t> out(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    free(buffer);
    return out;
}

}  // namespace

TEST(JpegLogo, DecodesAValidPicture) {
    auto jpeg = makeJpeg(64, 16);
    auto image = decodeJpeg(jpeg.data(), jpeg.size());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 64);
    EXPECT_EQ(image->height, 16);
    ASSERT_EQ(image->rgb.size(), 64u * 16u * 3u);
    // Left pixel red, right pixel blue (within JPEG's loss).
    EXPECT_GT(image->rgb[0], 200);
    EXPECT_LT(image->rgb[2], 60);
    size_t right = (8 * 64 + 63) * 3;
    EXPECT_LT(image->rgb[right], 60);
    EXPECT_GT(image->rgb[right + 2], 200);
}

TEST(JpegLogo, RefusesWhatIsNotAWholeJpeg) {
    auto jpeg = makeJpeg(64, 64);
    // Truncated in the middle of the picture data.
    EXPECT_FALSE(decodeJpeg(jpeg.data(), jpeg.size() / 2));
    // Only the header.
    EXPECT_FALSE(decodeJpeg(jpeg.data(), 20));
    // Not a JPEG at all.
    const std::string text = "GIF89a this is no jpeg at all, just text that goes on for a while";
    EXPECT_FALSE(decodeJpeg(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    EXPECT_FALSE(decodeJpeg(nullptr, 0));
}

TEST(JpegLogo, FileVariants) {
    std::string dir = ::testing::TempDir();
    auto jpeg = makeJpeg(32, 32);
    std::string good = dir + "/vardeck-logo-good.jpg";
    std::ofstream(good, std::ios::binary).write(reinterpret_cast<const char*>(jpeg.data()), jpeg.size());
    EXPECT_TRUE(decodeJpegFile(good));

    std::string empty = dir + "/vardeck-logo-empty.jpg";
    std::ofstream(empty, std::ios::binary).flush();
    EXPECT_FALSE(decodeJpegFile(empty));
    EXPECT_FALSE(decodeJpegFile(dir + "/vardeck-no-such-logo.jpg"));
    EXPECT_FALSE(decodeJpegFile(dir));  // a folder
    std::remove(good.c_str());
    std::remove(empty.c_str());
}
