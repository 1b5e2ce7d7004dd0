// A fresh empty folder for one test, removed with everything in it afterwards. Header-only, so
// the core test programs can use it without linking the widget-test support library.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace lumarik::test {

class TempFolder : public ::testing::Test {
protected:
    void SetUp() override {
        std::string name =
            (std::filesystem::temp_directory_path() / "lumarik-test-XXXXXX").string();
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        m_dir = name;
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }

public:
    static void Put(const std::filesystem::path& file, std::string_view bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }
    static std::string Contents(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

protected:
    std::filesystem::path m_dir;
};

}  // namespace lumarik::test
