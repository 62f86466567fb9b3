// The hex block writer, read back through the parser as the build embeds it.
#include "ui/form_text_binary.h"
#include "ui/form_text_parser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace form_text;

std::vector<std::uint8_t> Bytes(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    std::uint32_t state = 12345;
    for (auto& b : bytes) {
        state = state * 1103515245 + 12345;
        b = static_cast<std::uint8_t>(state >> 16);
    }
    return bytes;
}

class FormTextBinaryRoundTrip : public testing::TestWithParam<std::size_t> {};

TEST_P(FormTextBinaryRoundTrip, ParsesBackToTheSameBytesWithFixedLines) {
    const std::vector<std::uint8_t> bytes = Bytes(GetParam());
    const std::string block = FormatBinary(bytes, "      ");
    const Object form =
        Parse("object SkinData1: TSkinData\n  SkinStream = " + block + "\n  Tag = 1\nend\n");
    ASSERT_EQ(form.properties.size(), 2u);
    EXPECT_EQ(std::get<Binary>(form.properties[0].value.data).bytes, bytes);

    // Every line holds 32 bytes after the indent, the last one the rest and the brace.
    std::istringstream lines(block);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, bytes.empty() ? "{}" : "{");
    std::size_t seen = 0;
    while (std::getline(lines, line)) {
        const std::size_t count = std::min<std::size_t>(32, bytes.size() - seen);
        seen += count;
        const std::string tail = seen == bytes.size() ? "}" : "";
        EXPECT_EQ(line.size(), 6 + 2 * count + tail.size());
        EXPECT_TRUE(line.starts_with("      ") && line.ends_with(tail));
    }
    EXPECT_EQ(seen, bytes.size());
}

// Empty, one byte, around the line width, and the size of the embedded skin stream.
INSTANTIATE_TEST_SUITE_P(Sizes, FormTextBinaryRoundTrip,
                         testing::Values(0, 1, 31, 32, 33, 64, 52905));

TEST(FormTextBinary, WritesUpperCaseHexAtTheGivenWidth) {
    const std::vector<std::uint8_t> bytes{0x0A, 0xFF, 0x10, 0x00, 0xBC};
    EXPECT_EQ(FormatBinary(bytes, "  ", 2), "{\n  0AFF\n  1000\n  BC}");
    EXPECT_THROW(FormatBinary(bytes, "", 0), std::invalid_argument);
}

} // namespace
