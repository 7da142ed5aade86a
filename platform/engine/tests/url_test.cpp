#include <gtest/gtest.h>

#include "engine/url.h"

namespace engine::url {
namespace {

TEST(UrlTest, ResolvesRelativeReferencesAgainstTheirPage) {
    EXPECT_EQ("file:///site/b.html", resolve("file:///site/a.html", "b.html"));
    EXPECT_EQ("file:///other/c.html", resolve("file:///site/sub/a.html", "../../other/c.html"));
    EXPECT_EQ("file:///root.html", resolve("file:///site/a.html", "/root.html"));
    EXPECT_EQ("file:///site/a.html?x=1", resolve("file:///site/a.html#top", "?x=1"));
    EXPECT_EQ("file:///site/a.html#part", resolve("file:///site/a.html", "#part"));
    EXPECT_EQ("http://host/x", resolve("file:///site/a.html", "http://host/x"));
    EXPECT_EQ("file:///site/a.html", resolve("file:///site/a.html#x", ""));
}

TEST(UrlTest, MapsFileAddressesToPathsAndBack) {
    EXPECT_EQ("/a b/c.html", toPath("file:///a%20b/c.html"));
    EXPECT_EQ("file:///a%20b/c.html", fromPath("/a b/c.html"));
    EXPECT_FALSE(toPath("http://host/a.html"));
    EXPECT_FALSE(toPath("file://otherhost/a.html"));
    EXPECT_EQ("about", scheme("about:blank"));
    EXPECT_EQ("", scheme("c:\\page.html"));
}

TEST(UrlTest, EncodesFormValues) { EXPECT_EQ("a+b%26c%3D%C3%A4", formEncode("a b&c=\xC3\xA4")); }

}  // namespace
}  // namespace engine::url
