#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <set>

#include "core/ini/INICode.h"
#include "core/ini/TextEncoding.h"
#include "support/TempFolder.h"

namespace lumarik {
namespace {

namespace fs = std::filesystem;

class INICodeTest : public test::TempFolder {
protected:
    void SetUp() override {
        TempFolder::SetUp();
        m_file = m_dir / "Lumarik.INI";
    }
    void TearDown() override {
        std::error_code ec;  // a test may have left the folder read-only
        fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add, ec);
        TempFolder::TearDown();
    }

    std::set<fs::path> Entries() const {
        std::set<fs::path> names;
        for (const auto& entry : fs::directory_iterator(m_dir))
            names.insert(entry.path().filename());
        return names;
    }

    fs::path m_file;
};

TEST_F(INICodeTest, ReadStringGivesTheProfileString) {
    const std::string a250(250, 'a'), a198(198, 'a');
    std::string ae300;
    for (int i = 0; i < 300; ++i) ae300 += "ä";
    // Written as "[S]\nk=<value>", read with the default "d"; the last is an old Windows-1252 file.
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {"  a b  ", "a b"}, {"", "d"}, {"   ", "d"}, {a250, a250.substr(0, 199)},
        {ae300, ae300.substr(0, 2 * 199)}, {a198 + "€x", a198 + "€"},
        {std::string("a\0b\0\0", 5), "a b"}, {std::string("\0\0", 2), "d"}, {"x=y", "x=y"},
        {"Gr\xFC\xDF", "Grüß"}};
    // clang-format on
    const INICode ini(m_file);  // reads the file each time, never a cached copy
    for (const auto& [value, expected] : cases) {
        Put(m_file, "[S]\nk=" + value + "\n");
        EXPECT_EQ(ini.ReadString("s", "K", "d"), expected) << testing::PrintToString(value);
    }
    EXPECT_EQ(ini.ReadString("S", "missing", a250), a250.substr(0, 199));
    EXPECT_EQ(INICode(m_dir / "none.ini").ReadString("S", "k", "d"), "d");
    EXPECT_EQ(INICode(m_dir / "none.ini").ReadInt("S", "k"), 0);
    EXPECT_FALSE(INICode(IniDocument::Parse("")).WriteString("S", "k", "v").ok);  // no file
}

TEST_F(INICodeTest, SavesKeepEverythingElse) {
    Put(m_file,
        "; kept\r\n[Options]\r\nUnitType = 0\r\nHandMade=yes\r\n\r\n[Foreign]\r\nx=1\r\nnote\r\n");
    const INICode ini(m_file);
    ASSERT_TRUE(ini.WriteString("OPTIONS", "unittype", "1").ok);
    ASSERT_TRUE(ini.WriteStrings({{"Options", "DrawPoints", "True"},
                                  {"LastValues", "VarTypeNos", "1"},
                                  {"LastValues", "VarTypeVal1", "0|100|True|True|110|True|90|"}})
                    .ok);
    EXPECT_EQ(Contents(m_file),
              "; kept\n[Options]\nUnitType = 1\nHandMade=yes\nDrawPoints=True\n\n[Foreign]\nx=1\n"
              "note\n\n[LastValues]\nVarTypeNos=1\nVarTypeVal1=0|100|True|True|110|True|90|\n");
    EXPECT_EQ(Entries(), std::set<fs::path>{"Lumarik.INI"});
}

TEST_F(INICodeTest, OldFileIsResavedAsUtf8) {
    Put(m_file, "[Symbols]\nVergr\xF6\xDF\x65rung: =\x84x\x93\n");  // \x65: e
    const INICode ini(m_file);
    EXPECT_EQ(ini.ReadString("Symbols", "Vergrößerung:", ""), "„x“");
    ASSERT_TRUE(ini.WriteString("Symbols", "f", "ä").ok);
    EXPECT_EQ(Contents(m_file), "[Symbols]\nVergrößerung: =„x“\nf=ä\n");
}

TEST_F(INICodeTest, DamagedFileReadsWhatItCanAndStaysUsable) {
    std::string bytes = "orphan=1\n";
    std::mt19937 random(12345);
    for (int i = 0; i < 20000; ++i) bytes += static_cast<char>(random());
    bytes += "\n[Options]\nno equals\nUnitType=3\nHuge=" + std::string(5'000'000, 'y') + "\n";
    Put(m_file, bytes);
    const INICode ini(m_file);
    EXPECT_EQ(ini.ReadInt("Options", "UnitType"), 3);
    EXPECT_EQ(ini.ReadString("Options", "Huge", ""), std::string(199, 'y'));
    EXPECT_EQ(ini.ReadString("Options", "orphan", "d"), "d");
    ASSERT_TRUE(ini.WriteString("Options", "UnitType", "4").ok);
    EXPECT_EQ(ini.ReadInt("Options", "UnitType"), 4);
    EXPECT_EQ(ini.ReadString("Options", "Huge", ""), std::string(199, 'y'));
    EXPECT_TRUE(IsValidUtf8(Contents(m_file)));
}

TEST_F(INICodeTest, CreatesFileAndFolderAndKeepsPermissions) {
    EXPECT_FALSE(IsDirectoryWritable(m_dir / "a"));
    EXPECT_TRUE(IsDirectoryWritable(m_dir));
    const INICode fresh(m_dir / "a" / "b" / "Lumarik.INI");
    ASSERT_TRUE(fresh.WriteString("S", "k", "v").ok);
    EXPECT_EQ(fresh.ReadString("S", "k", ""), "v");

    Put(m_file, "[S]\n");
    const fs::perms perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(m_file, perms);
    ASSERT_TRUE(INICode(m_file).WriteString("S", "k", "v").ok);
    EXPECT_EQ(fs::status(m_file).permissions(), perms);

    fs::create_symlink(m_file, m_dir / "link.ini");
    ASSERT_TRUE(INICode(m_dir / "link.ini").WriteString("S", "k", "w").ok);
    EXPECT_TRUE(fs::is_symlink(m_dir / "link.ini"));
    EXPECT_EQ(INICode(m_file).ReadString("S", "k", ""), "w");
    EXPECT_FALSE(IsDirectoryWritable(m_file));
    EXPECT_EQ(Entries(), (std::set<fs::path>{"Lumarik.INI", "a", "link.ini"}));
}

// Each way of failing must be reported, leave the old file as it was and no temporary file.
class FailedSaveTest : public INICodeTest, public testing::WithParamInterface<std::string> {};

TEST_P(FailedSaveTest, IsReportedAndChangesNothing) {
    const std::string old = "[S]\nk=old\n", how = GetParam();
    Put(m_file, old);
    const std::set<fs::path> before = Entries();
    fs::path target = m_file;
    if (how == "TargetIsAFolder") {
        fs::remove(m_file);
        fs::create_directory(m_file);
    }
    if (how == "FolderIsAFile") target = m_file / "x.ini";
    if (how == "UnreadableFile") fs::permissions(m_file, fs::perms::none);
    if (how == "ReadOnlyFolder")
        fs::permissions(m_dir, fs::perms::owner_read | fs::perms::owner_exec);
    // Root and similar rights ignore permission bits.
    if ((how == "UnreadableFile" || how == "ReadOnlyFolder") &&
        ::access(target.c_str(), R_OK) == 0 && IsDirectoryWritable(m_dir)) {
        GTEST_SKIP() << "permission bits do not bind this user";
    }
    const SaveResult result = INICode(target).WriteString("S", "k", "new");
    EXPECT_TRUE(!result.ok && !result.error.empty()) << result.error;
    fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add);
    EXPECT_EQ(Entries(), before);
    if (fs::is_regular_file(m_file)) {
        fs::permissions(m_file, fs::perms::owner_read | fs::perms::owner_write);
        EXPECT_EQ(Contents(m_file), old);
    }
}

INSTANTIATE_TEST_SUITE_P(Settings, FailedSaveTest,
                         testing::Values("TargetIsAFolder", "FolderIsAFile", "UnreadableFile",
                                         "ReadOnlyFolder"),
                         [](const auto& info) { return info.param; });

TEST_F(INICodeTest, WriteFailureMidwayKeepsTheOldFile) {
    const std::string old = "[S]\nk=old\n";
    Put(m_file, old);
    // A file size limit makes the write of the temporary file fail even for an administrator.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const rlimit small{4096, saved.rlim_max};
    void (*const oldHandler)(int) = ::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const SaveResult result = INICode(m_file).WriteString("S", "k", std::string(10000, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find(std::generic_category().message(EFBIG)), std::string::npos)
        << result.error;
    EXPECT_EQ(Contents(m_file), old);
    EXPECT_EQ(Entries(), std::set<fs::path>{"Lumarik.INI"});
}

}  // namespace
}  // namespace lumarik
