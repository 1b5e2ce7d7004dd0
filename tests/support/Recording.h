// Compares what a test produced, one item a line, with its reviewed recording under tests/data,
// naming the first line that differs. LUMARIK_UPDATE_RECORDINGS=1 (exactly) rewrites a recording
// that differs and names it on standard error; ./test.sh fails when a run changed tests/data.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace lumarik::test {

// Whether text starts with one of the keys "a|b|c": the lines a case records of a longer text.
inline bool StartsWithAny(const std::string& text, std::string_view keys) {
    for (std::size_t at = 0; at < keys.size();) {
        const std::size_t bar = std::min(keys.find('|', at), keys.size());
        if (text.rfind(keys.substr(at, bar - at), 0) == 0) return true;
        at = bar + 1;
    }
    return false;
}

inline void ExpectRecording(const std::string& name, const std::string& text) {
    const std::string path = std::string(LUMARIK_TEST_DATA_DIR) + "/" + name;
    const char* update = std::getenv("LUMARIK_UPDATE_RECORDINGS");
    if (update != nullptr && std::strcmp(update, "1") == 0) {
        std::ifstream old(path);
        const std::string before{std::istreambuf_iterator<char>(old), {}};
        if (!old || before != text) {
            std::ofstream(path) << text;
            std::cerr << "rewrote " << path << '\n';
        }
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
