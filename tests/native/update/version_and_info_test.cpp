// The update server's information file and the version numbers it offers.
#include <gtest/gtest.h>

#include <string>

#include "update/sha256.h"
#include "update/update_info.h"
#include "update/version_number.h"

namespace tamsendor::update {
namespace {

TEST(VersionNumberTest, PartsCompareAsNumbersElseTheTextsAsStrings) {
  const struct {
    const char* a;
    const char* b;
    int order;
  } cases[] = {
      {"1.2.0.0", "1.2.0.0", 0},
      {"1.10.0.0", "1.2.0.0", 1},  // 10 > 2 as numbers, though "1" < "2" as text
      {"1.2.0.0", "1.10.0.0", -1},
      {"2", "1.9.9.9", 1},
      {"1.2", "1.2.0.0", 0},                         // a missing part is 0
      {"1.2.0.0.9", "1.2.0.0", 0},                   // a fifth part is not looked at
      {"01.002.0.0", "1.2.0.0", 0},                  // leading zeros
      {"1.2.0.99999999999999999999", "1.2.0.1", 1},  // beyond any integer type
      {"1.2.0.0b", "1.2.0.0", 1},                    // not a number: plain strings
      {"1.10.0.0b", "1.2.0.0", -1},                  // ... where "1.1" < "1.2"
      {"", "1.2.0.0", -1},
      {"1..2", "1.0.2", -1},
      {"-1.2.0.0", "1.2.0.0", -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CompareVersions(c.a, c.b), c.order) << c.a << " vs " << c.b;
    EXPECT_EQ(CompareVersions(c.b, c.a), -c.order) << c.b << " vs " << c.a;
  }
}

constexpr char kHash1[] = "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";
constexpr char kHash2[] = "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855";

TEST(UpdateInfoTest, KeysWithoutRegardToCaseNumberedFilesAndAMessageOverLines) {
  const std::string text =
      std::string("; the release\r\n#VERSION = 1.3.0.0\r\n") +
      "#Url=https://updates.example/tamsendor/setup.exe\r\n" + "#SHA256=" + kHash1 +
      "\r\n#url0=https://updates.example/readme.txt\r\n" + "#sha2560=" + kHash2 +
      "\r\n#message={A new release:\r\nfaster start-up.}\r\n#method=2\r\n";
  const UpdateInfo info = ReadUpdateInfo(text);
  EXPECT_EQ(info.version, "1.3.0.0");
  ASSERT_EQ(info.files.size(), 2u);
  EXPECT_EQ(info.files[0].address, "https://updates.example/tamsendor/setup.exe");
  EXPECT_EQ(info.files[0].sha256, kHash1);
  EXPECT_EQ(info.files[1].address, "https://updates.example/readme.txt");
  EXPECT_EQ(info.files[1].sha256, kHash2);
  EXPECT_EQ(info.rejected, 0);
  EXPECT_EQ(info.message, "A new release:\nfaster start-up.");
  EXPECT_EQ(info.method, "2");
}

TEST(UpdateInfoTest, AFileWithoutAnAcceptableAddressOrHashIsRejected) {
  const struct {
    const char* what;
    std::string text;
    std::size_t files;
    int rejected;
  } cases[] = {
      {"no hash", "#url=https://u.example/setup.exe\n", 0, 1},
      {"a short hash", "#url=https://u.example/setup.exe\n#sha256=abc\n", 0, 1},
      {"plain http", "#url=http://u.example/setup.exe\n#sha256=" + std::string(kHash1) + "\n", 0,
       1},
      {"upper-case hash",
       "#url=https://u.example/s.exe\n#sha256=BA7816BF8F01CFEA414140DE5DAE2223"
       "B00361A396177A9CB410FF61F20015AD\n",
       1, 0},
      {"a hash for another file", "#url=https://u.example/s.exe\n#sha2560=" + std::string(kHash1),
       0, 1},
      {"no file name", "#url=https://u.example/\n#sha256=" + std::string(kHash1), 0, 1},
      {"a numbered key that is none", "#urlx=https://u.example/s.exe\n", 0, 0},
      {"no files", "#version=9.9.9.9\n", 0, 0},
  };
  for (const auto& c : cases) {
    const UpdateInfo info = ReadUpdateInfo(c.text);
    EXPECT_EQ(info.files.size(), c.files) << c.what;
    EXPECT_EQ(info.rejected, c.rejected) << c.what;
  }
}

TEST(UpdateInfoTest, GarbageTruncationAndAnUnclosedMessageGiveNoVersion) {
  std::string binary(4096, '\0');
  for (std::size_t i = 0; i < binary.size(); ++i)
    binary[i] = static_cast<char>(i * 131 + 7);
  for (const std::string& text :
       {binary, std::string("#version"), std::string("#message={never closed\n#version=9.9.9.9"),
        std::string("=\n==\n#=1"), std::string(200000, '=')}) {
    const UpdateInfo info = ReadUpdateInfo(text);
    EXPECT_TRUE(info.version.empty()) << text.substr(0, 40);
    EXPECT_TRUE(info.files.empty());
  }
  EXPECT_EQ(ReadUpdateInfo("#message={never closed\n#version=9").message,
            "never closed\n#version=9");
}

TEST(UpdateInfoTest, OnlyHttpsOrPlainHttpToThisMachine) {
  const struct {
    const char* address;
    bool allowed;
  } cases[] = {
      {"https://updates.example/setup.exe", true},
      {"HTTPS://updates.example/setup.exe", true},
      {"http://127.0.0.1:8123/setup.exe", true},
      {"http://localhost/setup.exe", true},
      {"http://[::1]:80/setup.exe", true},
      {"http://updates.example/setup.exe", false},
      {"http://127.0.0.1.evil.example/setup.exe", false},
      {"http://localhost@evil.example/setup.exe", false},
      {"https://good.example@evil.example/setup.exe", false},
      {"https:///setup.exe", false},
      {"https://updates.example/set up.exe", false},
      {"https://updates.example/setup.exe\r\n", false},
      {"ftp://updates.example/setup.exe", false},
      {"file:///C:/setup.exe", false},
      {"", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(IsUpdateAddress(c.address), c.allowed) << c.address;
}

TEST(UpdateInfoTest, TheFileNameIsTheLastPartOfThePathMadeSafe) {
  EXPECT_EQ(FileNameOf("https://u.example/a/setup-1.3.exe?x=1#y"), "setup-1.3.exe");
  EXPECT_EQ(FileNameOf("https://u.example/a/..%5C..%5Cevil.exe"), "..5C..5Cevil.exe");
  EXPECT_EQ(FileNameOf("https://u.example/a/.."), "");
  EXPECT_EQ(FileNameOf("https://u.example/"), "");
}

TEST(Sha256Test, KnownDigestsAcrossTheBlockBoundaries) {
  EXPECT_EQ(Sha256Hex(""), kHash2);
  EXPECT_EQ(Sha256Hex("abc"), kHash1);
  const struct {
    std::size_t length;
    const char* digest;
  } cases[] = {
      {55, "9f4390f8d30c2dd92ec9f095b65e2b9ae9b0a925a5258e241c9f1e910f734318"},
      {56, "b35439a4ac6f0948b6d6f9e3c6af0f5f590ce20f1bde7090ef7970686ec6738a"},
      {63, "7d3e74a05d7db15bce4ad9ec0658ea98e3f06eeecf16b4c6fff2da457ddc2f34"},
      {64, "ffe054fe7ae0cb6dc65c3af9b61d5209f439851db43d0ba5997337df154668eb"},
      {65, "635361c48bb9eab14198e76ea8ab7f1a41685d6ad62aa9146d301d4f17eb0ae0"},
      {119, "31eba51c313a5c08226adf18d4a359cfdfd8d2e816b13f4af952f7ea6584dcfb"},
      {120, "2f3d335432c70b580af0e8e1b3674a7c020d683aa5f73aaaedfdc55af904c21c"},
      {1000000, "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Sha256Hex(std::string(c.length, 'a')), c.digest) << c.length;
}

}  // namespace
}  // namespace tamsendor::update
