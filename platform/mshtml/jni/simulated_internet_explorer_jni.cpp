// The native part of com.corvalen.tarnwell.testbed.SimulatedInternetExplorer: the
// simulated user of testbed/internet_explorer.h, reachable from Java.
#include <jni.h>
#include <objbase.h>
#include <testbed/internet_explorer.h>

#include <string>
#include <vector>

namespace {

// Java strings are UTF-16; the user-script runner takes UTF-8.
std::string utf8Of(JNIEnv* env, jstring text) {
  std::string out;
  if (!text) return out;
  const jsize length = env->GetStringLength(text);
  std::vector<jchar> chars(static_cast<size_t>(length));
  env->GetStringRegion(text, 0, length, chars.data());
  for (jsize i = 0; i < length; ++i) {
    char32_t c = chars[static_cast<size_t>(i)];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < length) {
      const char32_t low = chars[static_cast<size_t>(i + 1)];
      if (low >= 0xDC00 && low < 0xE000) {
        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

// A Java string from ASCII-safe text: bytes outside ASCII become U+FFFD rather than
// risking an invalid modified-UTF-8 string.
jstring javaString(JNIEnv* env, const std::string& text) {
  std::vector<jchar> chars;
  chars.reserve(text.size());
  for (const char c : text) chars.push_back(static_cast<unsigned char>(c) < 0x80 ? static_cast<jchar>(c) : 0xFFFD);
  return env->NewString(chars.data(), static_cast<jsize>(chars.size()));
}

void releaseAll(std::vector<IWebBrowser2*>& browsers) {
  for (IWebBrowser2* browser : browsers) browser->Release();
  browsers.clear();
}

}  // namespace

extern "C" JNIEXPORT jstring JNICALL Java_com_corvalen_tarnwell_testbed_SimulatedInternetExplorer_run(JNIEnv* env, jclass,
                                                                                                      jstring script) {
  const std::string lines = utf8Of(env, script);
  std::vector<IWebBrowser2*> browsers = testbed::ie::runningBrowsers();
  if (browsers.empty()) return javaString(env, "no Internet Explorer is running");
  const testbed::ie::ActionResult result = testbed::ie::run(browsers.back(), lines);
  releaseAll(browsers);
  return result ? nullptr : javaString(env, result.message);
}

extern "C" JNIEXPORT jint JNICALL Java_com_corvalen_tarnwell_testbed_SimulatedInternetExplorer_windowCount(JNIEnv*,
                                                                                                           jclass) {
  std::vector<IWebBrowser2*> browsers = testbed::ie::runningBrowsers();
  const auto count = static_cast<jint>(browsers.size());
  releaseAll(browsers);
  return count;
}

extern "C" JNIEXPORT jstring JNICALL Java_com_corvalen_tarnwell_testbed_SimulatedInternetExplorer_pageState(JNIEnv* env,
                                                                                                          jclass) {
  return javaString(env, testbed::ie::pageState());
}
