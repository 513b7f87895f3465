#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "json/json_reader.h"
#include "json/json_writer.h"

namespace tamsendor::json {
namespace {

TEST(JsonWriterTest, WritesIndentedTextThatReadsBack) {
  Value run = Value::Object();
  run.Set("fps_text", Value::String("61.50")).Set("fps", Value::Number(61.5));
  Value runs = Value::Array();
  runs.Push(std::move(run)).Push(Value::Null());
  Value document = Value::Object();
  document.Set("name", Value::String("1024 \xC3\x97 768"))
      .Set("width", Value::Number(1024))
      .Set("custom", Value::Bool(false))
      .Set("runs", std::move(runs))
      .Set("empty", Value::Array())
      .Set("none", Value::Object());
  const std::string text = Write(document);
  EXPECT_EQ(text,
            "{\n"
            "  \"name\": \"1024 \xC3\x97 768\",\n"
            "  \"width\": 1024,\n"
            "  \"custom\": false,\n"
            "  \"runs\": [\n"
            "    {\n"
            "      \"fps_text\": \"61.50\",\n"
            "      \"fps\": 61.5\n"
            "    },\n"
            "    null\n"
            "  ],\n"
            "  \"empty\": [],\n"
            "  \"none\": {}\n"
            "}\n");
  EXPECT_EQ(Read(text), document);
}

TEST(JsonWriterTest, StringsAndNumbersAlwaysMakeValidJson) {
  struct Case {
    Value value;
    const char* text;
  };
  const Case cases[] = {
      {Value::String("quote \" backslash \\ slash /"), "\"quote \\\" backslash \\\\ slash /\""},
      {Value::String("tab\tline\r\nbell\x07"), "\"tab\\tline\\r\\nbell\\u0007\""},
      // Bytes that are no UTF-8 (a note typed in another code page) must not make the file
      // unreadable.
      {Value::String("caf\xE9 \xC3"), "\"caf\xEF\xBF\xBD \xEF\xBF\xBD\""},
      {Value::String(std::string("nul\0end", 7)), "\"nul\\u0000end\""},
      {Value::Number(0.1), "0.1"},
      {Value::Number(61.25), "61.25"},
      {Value::Number(-3), "-3"},
      {Value::Number(1e300), "1e+300"},
      {Value::Number(17179869184.0), "17179869184"},
      {Value::Number(std::numeric_limits<double>::infinity()), "null"},
      {Value::Number(std::numeric_limits<double>::quiet_NaN()), "null"},
  };
  for (const Case& c : cases) {
    const std::string text = Write(c.value);
    EXPECT_EQ(text, std::string(c.text) + "\n") << c.text;
    EXPECT_TRUE(Read(text).has_value()) << c.text;
  }
  // Keys alike once their bad bytes are replaced: the text still holds each key once.
  Value keys = Value::Object();
  keys.Set("a\xFF", Value::Number(1)).Set("a\xFE", Value::Number(2)).Set("b", Value::Number(3));
  EXPECT_EQ(Write(keys), "{\n  \"a\xEF\xBF\xBD\": 1,\n  \"b\": 3\n}\n");
  // Shortest form, exact value.
  EXPECT_EQ(Read(Write(Value::Number(0.1 + 0.2)))->number, 0.1 + 0.2);
}

TEST(JsonReaderTest, ReadsWhatTheStandardAllows) {
  std::string error;
  const auto value = Read(
      "\xEF\xBB\xBF \t\r\n{\"a\" : [1, -0.5, 2e3, 1E-2, true, false, null, \"\\u00e9\\ud83d\\ude00"
      "\\/\\b\\f\"], \"b\": {}}  ",
      &error);
  ASSERT_TRUE(value) << error;
  const Value* a = value->Find("a");
  ASSERT_TRUE(a && a->IsArray());
  ASSERT_EQ(a->items.size(), 8u);
  EXPECT_EQ(a->items[0].number, 1);
  EXPECT_EQ(a->items[1].number, -0.5);
  EXPECT_EQ(a->items[2].number, 2000);
  EXPECT_EQ(a->items[3].number, 0.01);
  EXPECT_TRUE(a->items[4].boolean);
  EXPECT_TRUE(a->items[6].IsNull());
  EXPECT_EQ(a->items[7].text, "\xC3\xA9\xF0\x9F\x98\x80/\b\f");
  EXPECT_TRUE(value->Find("b")->IsObject());
  EXPECT_EQ(value->Find("c"), nullptr);
  EXPECT_EQ(a->Find("a"), nullptr);  // an array has no members
}

TEST(JsonReaderTest, RefusesWhatTheStandardDoesNot) {
  const char* const refused[] = {
      "",
      "   ",
      "{",
      "[1,]",
      "{\"a\":1,}",
      "{'a':1}",
      "{a:1}",
      "{\"a\" 1}",
      "{\"a\":1 \"b\":2}",
      "{\"a\":1,\"a\":2}",
      "[1 2]",
      "01",
      "1.",
      ".5",
      "-",
      "+1",
      "1e",
      "1e400",
      "0x10",
      "NaN",
      "Infinity",
      "tru",
      "nul",
      "\"open",
      "\"tab\there\"",
      "\"\\x41\"",
      "\"\\u12\"",
      "\"\\ud83d\"",
      "\"\\ude00\"",
      "\"\\ud83dx\"",
      "\"\xC3\"",
      "\"\xED\xA0\x80\"",
      "\"\xC0\xAF\"",
      "[1] [2]",
      "{} x",
      "// comment\n{}",
  };
  for (const char* text : refused) {
    std::string error;
    EXPECT_FALSE(Read(text, &error).has_value()) << text;
    EXPECT_EQ(error.rfind("at byte ", 0), 0u) << text << ": " << error;
  }
  std::string error;
  EXPECT_FALSE(Read(std::string("[1]\0", 4), &error));
  EXPECT_EQ(error, "at byte 3: text after the value");
}

TEST(JsonReaderTest, NestingHasALimitButAWideDocumentDoesNot) {
  const auto nested = [](int depth) {
    return std::string(static_cast<std::size_t>(depth), '[') +
           std::string(static_cast<std::size_t>(depth), ']');
  };
  EXPECT_TRUE(Read(nested(kMaxDepth)));
  EXPECT_FALSE(Read(nested(kMaxDepth + 1)));
  EXPECT_FALSE(Read(nested(1000000)));  // refused, not a stack overflow

  std::string wide = "{";
  for (int i = 0; i < 100000; ++i)
    wide += (i ? ",\"" : "\"") + std::to_string(i) + "\":" + std::to_string(i);
  wide += "}";
  const auto value = Read(wide);
  ASSERT_TRUE(value);
  EXPECT_EQ(value->keys.size(), 100000u);
  EXPECT_EQ(value->items.back().number, 99999);
}

}  // namespace
}  // namespace tamsendor::json
