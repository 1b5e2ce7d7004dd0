// Compares what a test produced, one item a line, with its reviewed recording under tests/data,
// naming the first line that differs; LUMARIK_UPDATE_RECORDINGS=1 rewrites the recording.
#pragma once

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace lumarik::test {

inline void ExpectRecording(const std::string& name, const std::string& text) {
    const std::string path = std::string(LUMARIK_TEST_DATA_DIR) + "/" + name;
    if (std::getenv("LUMARIK_UPDATE_RECORDINGS") != nullptr) {
        std::ofstream(path) << text;
        return;
    }
    std::ifstream recorded(path);
    ASSERT_TRUE(recorded) << path;
    std::istringstream produced(text);
    std::string want, got;
    for (int line = 1;; ++line) {
        const bool inRecording = static_cast<bool>(std::getline(recorded, want));
        const bool inText = static_cast<bool>(std::getline(produced, got));
        if (!inRecording && !inText) return;
        ASSERT_EQ(inText ? got : "(end)", inRecording ? want : "(end)")
            << name << ", line " << line;
    }
}

}  // namespace lumarik::test
