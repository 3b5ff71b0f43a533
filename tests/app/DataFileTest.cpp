#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/DataFile.h"
#include "support/FileSizeLimit.h"
#include "support/TempWorkDir.h"

namespace {

namespace fs = std::filesystem;

std::string readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeAll(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::string> namesIn(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

struct DataFileTest : ::testing::Test {
  TempWorkDir dir;
};

TEST_F(DataFileTest, ExistsOnlyForFilesNotForDirectoriesOrMissingPaths) {
  writeAll("file", "x");
  fs::create_directory("folder");
  EXPECT_TRUE(DataFile::exists("file"));
  EXPECT_FALSE(DataFile::exists("folder"));
  EXPECT_FALSE(DataFile::exists("missing"));
}

TEST_F(DataFileTest, ReadExactTakesThePrefixAndRejectsShortFiles) {
  const std::string content = std::string("ab\0cd", 5) + "ef";
  writeAll("data", content);
  std::string out = "untouched";

  ASSERT_TRUE(DataFile::readExact("data", 5, out).ok);
  EXPECT_EQ(out, content.substr(0, 5));

  out = "untouched";
  const FileResult tooShort = DataFile::readExact("data", 8, out);
  EXPECT_FALSE(tooShort.ok);
  EXPECT_NE(tooShort.error.find("data"), std::string::npos) << tooShort.error;
  EXPECT_NE(tooShort.error.find("end of file"), std::string::npos) << tooShort.error;
  EXPECT_EQ(out, "untouched");
}

TEST_F(DataFileTest, ReadErrorsCarryTheSystemText) {
  fs::create_directory("folder");
  std::string out;
  struct Case {
    const char* path;
    const char* text;
  };
  for (const Case& c : {Case{"missing", "No such file or directory"}, Case{"folder", "Is a directory"}}) {
    const FileResult result = DataFile::readExact(c.path, 4, out);
    EXPECT_FALSE(result.ok) << c.path;
    EXPECT_NE(result.error.find(c.text), std::string::npos) << result.error;
  }
}

TEST_F(DataFileTest, WriteReplacesTheFileKeepsItsModeAndLeavesNoTemporary) {
  writeAll("OldCmd", std::string(100, 'o'));
  ASSERT_EQ(chmod("OldCmd", 0640), 0);

  const std::string bytes = std::string("new\0data", 8);
  const FileResult result = DataFile::writeAtomically("OldCmd", bytes);
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(readAll("OldCmd"), bytes);
  EXPECT_EQ(fs::status("OldCmd").permissions(), fs::perms(0640));
  EXPECT_EQ(namesIn("."), std::vector<std::string>{"OldCmd"});

  ASSERT_TRUE(DataFile::writeAtomically(dir.file("fresh"), "x").ok);
  EXPECT_EQ(readAll("fresh"), "x");
}

TEST_F(DataFileTest, AFailedWriteLeavesTheOldFileIntactAndRemovesTheTemporary) {
  const std::string old(12800, 'k');
  writeAll("OldCmd", old);
  FileResult result;
  {
    FileSizeLimit limit(1000);
    result = DataFile::writeAtomically("OldCmd", std::string(12800, 'n'));
  }
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find("OldCmd: File too large"), std::string::npos) << result.error;
  EXPECT_EQ(readAll("OldCmd"), old);
  EXPECT_EQ(namesIn("."), std::vector<std::string>{"OldCmd"});
}

TEST_F(DataFileTest, ATargetThatCannotBeReplacedIsReportedAndLeftAsItWas) {
  fs::create_directory("OldCmd");
  writeAll("OldCmd/inside", "keep");
  struct Case {
    const char* path;
    const char* text;
  };
  for (const Case& c :
       {Case{"OldCmd", "Is a directory"}, Case{"absent/OldCmd", "No such file or directory"}}) {
    const FileResult result = DataFile::writeAtomically(c.path, "bytes");
    EXPECT_FALSE(result.ok) << c.path;
    EXPECT_NE(result.error.find(c.text), std::string::npos) << result.error;
  }
  EXPECT_EQ(readAll("OldCmd/inside"), "keep");
  EXPECT_EQ(namesIn("."), std::vector<std::string>{"OldCmd"});
}

}  // namespace
