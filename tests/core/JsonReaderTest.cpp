#include "core/JsonReader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace
{
Json::Value parse(const std::string& text)
{
    Json::Value root;
    std::string errors;
    EXPECT_TRUE(JsonReader::parseText(text, root, &errors)) << errors;
    return root;
}

// The message of the JsonTypeError thrown by `body`, or "" when nothing is thrown.
template <typename F>
std::string typeErrorOf(F body)
{
    try
    {
        body();
    }
    catch (const JsonTypeError& e)
    {
        return e.what();
    }
    return {};
}
} // namespace

TEST(JsonReader, AbsentAndNullMembersReadTheirFallback)
{
    const Json::Value root = parse(R"({"n": null})");
    const JsonReader r(root, "a.json");
    int i = 7;
    EXPECT_FALSE(r.get("n", i, 3));
    EXPECT_EQ(i, 3);
    EXPECT_FALSE(r.get("missing", i));
    EXPECT_EQ(i, 0);
    EXPECT_EQ(r.read<std::string>("missing", "x"), "x");
    EXPECT_TRUE(r.objects("missing").empty());
    EXPECT_TRUE(r.strings("n").empty());
    EXPECT_FALSE(r.child("missing").has("anything"));
}

TEST(JsonReader, NumbersConvertLikeTheLibraryWithinRange)
{
    const Json::Value root = parse(R"({"i": 5, "r": 2.75, "b": true, "neg": -3, "big": 1e12})");
    const JsonReader r(root, "a.json");
    EXPECT_EQ(r.read<int>("r"), 2);
    EXPECT_FLOAT_EQ(r.read<float>("i"), 5.f);
    EXPECT_EQ(r.read<int>("b"), 1);
    EXPECT_TRUE(r.read<bool>("i"));
    EXPECT_EQ(r.read<int>("neg"), -3);
    EXPECT_DOUBLE_EQ(r.read<double>("big"), 1e12);
}

TEST(JsonReader, WrongTypesNameTheFileAndTheKeyPath)
{
    const Json::Value root = parse(R"({
        "name": 12, "count": "three", "flag": "yes", "list": {}, "obj": [1],
        "big": 1e12, "neg": -1, "huge": 1e300,
        "doors": [{"x": 1}, {"x": "left"}], "names": ["a", 2], "bad": [3]
    })");
    const JsonReader r(root, "Assets/Rooms/r.json");
    struct Case
    {
        const char* what;
        std::string message;
        const char* expected;
    };
    const Case cases[] = {
        {"string", typeErrorOf([&] { r.read<std::string>("name"); }), "Assets/Rooms/r.json: \"name\" should be a string, found an integer"},
        {"int", typeErrorOf([&] { r.read<int>("count"); }), "\"count\" should be an integer, found a string"},
        {"bool", typeErrorOf([&] { r.read<bool>("flag"); }), "\"flag\" should be a boolean"},
        {"array", typeErrorOf([&] { r.objects("list"); }), "\"list\" should be an array, found an object"},
        {"object", typeErrorOf([&] { r.child("obj"); }), "\"obj\" should be an object, found an array"},
        {"int range", typeErrorOf([&] { r.read<int>("big"); }), "\"big\" is out of the range"},
        {"unsigned range", typeErrorOf([&] { r.read<unsigned>("neg"); }), "\"neg\" is out of the range"},
        {"float range", typeErrorOf([&] { r.read<float>("huge"); }), "\"huge\" is out of the range of a float"},
        {"nested", typeErrorOf([&] { r.objects("doors")[1].read<float>("x"); }), "\"doors[1].x\" should be a number"},
        {"string list", typeErrorOf([&] { r.strings("names"); }), "\"names[1]\" should be a string"},
        {"element", typeErrorOf([&] { r.objects("bad"); }), "\"bad[0]\" should be an object"},
    };
    for (const Case& c : cases)
        EXPECT_NE(c.message.find(c.expected), std::string::npos) << c.what << ": got \"" << c.message << "\"";
}

TEST(JsonReader, RootMustBeAnObject)
{
    const Json::Value root = parse("[1, 2]");
    EXPECT_NE(typeErrorOf([&] { JsonReader(root, "x.json"); }).find("x.json: \"(root)\" should be an object"), std::string::npos);
}

TEST(JsonReader, ParseFailuresAreReportedNotThrown)
{
    Json::Value root;
    std::string errors;
    EXPECT_FALSE(JsonReader::parseFile("no/such/file.json", root, &errors));
    EXPECT_TRUE(root.isNull());
    EXPECT_FALSE(JsonReader::parseText("", root));
    EXPECT_FALSE(JsonReader::parseText("{\"a\": ", root));
    // Nesting far past the parser's stack limit must fail cleanly, not crash.
    EXPECT_FALSE(JsonReader::parseText(std::string(100000, '['), root, &errors));
    EXPECT_TRUE(root.isNull());

    const std::string path = ::testing::TempDir() + "json_reader_ok.json";
    std::ofstream(path) << "{\"a\": 1}";
    EXPECT_TRUE(JsonReader::parseFile(path, root));
    EXPECT_EQ(JsonReader(root, path).read<int>("a"), 1);
    std::remove(path.c_str());
}
