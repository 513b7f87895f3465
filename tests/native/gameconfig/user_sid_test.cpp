#include "gameconfig/user_sid.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_shell.h"

namespace tamsendor::gameconfig {
namespace {

TEST(UserSidTest, StandardTextForm) {
  struct Case {
    platform::SidParts sid;
    const char* text;
  };
  const Case cases[] = {
      {{{0, 0, 0, 0, 0, 5}, {21, 1004336348, 1177238915, 682003330, 512}},
       "S-1-5-21-1004336348-1177238915-682003330-512"},
      {{{0, 0, 0, 0, 0, 5}, {18}}, "S-1-5-18"},
      {{{0, 0, 0, 0, 0, 1}, {0}}, "S-1-1-0"},
      {{{0, 0, 0, 0, 0, 5}, {}}, "S-1-5"},
      // The four low bytes read as one big-endian number.
      {{{0, 0, 0x12, 0x34, 0x56, 0x78}, {1}}, "S-1-305419896-1"},
      {{{0, 0, 0xFF, 0xFF, 0xFF, 0xFF}, {4294967295u}}, "S-1-4294967295-4294967295"},
      // Either top byte set: all six bytes in hexadecimal.
      {{{0x01, 0, 0, 0, 0, 0x05}, {7}}, "S-1-0x010000000005-7"},
      {{{0, 0xAB, 0, 0, 0x0C, 0xD0}, {}}, "S-1-0x00ab00000cd0"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FormatSid(c.sid), c.text);
}

TEST(UserSidTest, NoTokenNoSid) {
  fakes::FakeUserIdentity identity;
  EXPECT_EQ(ReadUserSid(identity), "S-1-5-21-1004336348-1177238915-682003330-1001");
  identity.sid.reset();
  EXPECT_EQ(ReadUserSid(identity), "");
}

}  // namespace
}  // namespace tamsendor::gameconfig
