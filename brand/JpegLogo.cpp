#include "brand/JpegLogo.h"

#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <iterator>

#include <jpeglib.h>

namespace vardeck {
namespace {

// Larger files or pictures than this are not a logo; refusing them keeps a hostile
// file from making us allocate gigabytes.
constexpr size_t kMaxFileBytes = 16u * 1024u * 1024u;
constexpr unsigned kMaxSide = 8192;

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void errorExit(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    std::longjmp(err->jump, 1);
}

// libjpeg prints warnings to stderr by default; they are counted instead (see below).
void silentMessage(j_common_ptr) {}

}  // namespace

std::optional<RgbImage> decodeJpeg(const uint8_t* data, size_t size) {
    if (data == nullptr || size < 4 || size > kMaxFileBytes) return std::nullopt;

    jpeg_decompress_struct cinfo{};
    ErrorManager err{};
    cinfo.err = jpeg_std_error(&err.base);
    err.base.error_exit = errorExit;
    err.base.output_message = silentMessage;

    // Everything that must survive the longjmp lives outside this frame's registers.
    RgbImage* volatile result = new RgbImage();
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        delete result;
        return std::nullopt;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK || cinfo.image_width == 0 || cinfo.image_height == 0 ||
        cinfo.image_width > kMaxSide || cinfo.image_height > kMaxSide) {
        jpeg_destroy_decompress(&cinfo);
        delete result;
        return std::nullopt;
    }
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);

    RgbImage* image = result;
    image->width = static_cast<int>(cinfo.output_width);
    image->height = static_cast<int>(cinfo.output_height);
    const size_t stride = static_cast<size_t>(cinfo.output_width) * 3;
    image->rgb.assign(stride * cinfo.output_height, 0);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = image->rgb.data() + stride * cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    // A truncated or damaged file still "decodes", with grey filler and a warning;
    // such a picture is refused so that the fallback shows instead of half a logo.
    const bool damaged = err.base.num_warnings > 0;
    jpeg_destroy_decompress(&cinfo);
    if (damaged) {
        delete image;
        return std::nullopt;
    }

    std::optional<RgbImage> out(std::move(*image));
    delete image;
    return out;
}

std::optional<RgbImage> decodeJpegFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    in.seekg(0, std::ios::end);
    std::streamoff length = in.tellg();
    if (length <= 0 || static_cast<size_t>(length) > kMaxFileBytes) return std::nullopt;
    in.seekg(0);
    std::vector<uint8_t> bytes(static_cast<size_t>(length));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), length)) return std::nullopt;
    return decodeJpeg(bytes.data(), bytes.size());
}

}  // namespace vardeck
