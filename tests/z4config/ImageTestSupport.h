#pragma once
// Shared helpers of the z4config tests.
#include <cstdint>
#include <initializer_list>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "z4config/ImageBinding.h"
#include "z4config/Z4Editor.h"

namespace vardeck::z4config::testing {

inline Image filledImage(std::uint8_t value) {
    Image image;
    image.fill(value);
    return image;
}

inline Image randomImage(std::uint32_t seed) {
    std::mt19937 rng(seed);
    Image image;
    for (auto& b : image) b = static_cast<std::uint8_t>(rng());
    return image;
}

inline void put(Image& image, std::size_t offset, std::initializer_list<std::uint8_t> bytes) {
    for (std::uint8_t b : bytes) image.at(offset++) = b;
}

inline void putText(Image& image, std::size_t offset, const std::string& latin) {
    for (char c : latin) image.at(offset++) = static_cast<std::uint8_t>(c);
    image.at(offset) = 0xFF;
}

inline std::string bytesAt(const Image& image, std::size_t offset, std::size_t count) {
    return std::string(reinterpret_cast<const char*>(image.data() + offset), count);
}

// An editor of the default model and an image filled with one byte value.
class EditorTest : public ::testing::Test {
protected:
    explicit EditorTest(std::uint8_t fill) : image(filledImage(fill)) {}
    template <class T>
    T& c(const char* name) { return editor.get<T>(name); }

    Z4Editor editor;
    Image image;
};

// Decodes a copy of the image into the editor and encodes it again into that copy.
inline Image roundTrip(Z4Editor& editor, Image image, const EncodeContext& context = {}) {
    decodeImage(image, editor);
    encodeImage(editor, image, context);
    return image;
}

// Puts the editor into a random state a user could reach: every value within what its
// control accepts, the pages visited (refreshed), the firmware that of the image the
// state will be written over. Texts avoid what the module's coding cannot keep by
// design: empty SMS texts (they read back as one space), quotes in the access point
// and server (they end those strings), a phone number starting with '-' (the list
// captions count it as a number, the phone slot stores it as empty), and limits of an
// unused temperature input (never read back).
void randomEditorState(Z4Editor& editor, std::uint32_t seed, const Image& base);

}  // namespace vardeck::z4config::testing
