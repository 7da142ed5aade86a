#include "common/java_strings.h"

#include <windows.h>

#include <climits>

jstring newJavaString(JNIEnv* env, const std::string& ansi) {
  static const jchar noCharacters[1] = {0};
  if (ansi.empty()) return env->NewString(noCharacters, 0);
  if (ansi.size() > INT_MAX) return nullptr;
  const int length = static_cast<int>(ansi.size());
  std::u16string wide(static_cast<size_t>(length), u'\0');
  // Every code-page byte is one UTF-16 unit, so the sizes match.
  const int converted = MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, reinterpret_cast<LPWSTR>(wide.data()),
                                            length);
  static_assert(sizeof(jchar) == sizeof(char16_t));
  return env->NewString(reinterpret_cast<const jchar*>(wide.data()), converted);
}

std::string ansiFromJava(JNIEnv* env, jstring text) {
  if (text == nullptr) return {};
  const jsize length = env->GetStringLength(text);
  const jchar* chars = env->GetStringChars(text, nullptr);
  if (chars == nullptr) return {};
  std::string out;
  if (length > 0) {
    const auto* wide = reinterpret_cast<LPCWSTR>(chars);
    const int size = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
    out.resize(static_cast<size_t>(size > 0 ? size : 0));
    if (size > 0) WideCharToMultiByte(CP_ACP, 0, wide, length, out.data(), size, nullptr, nullptr);
  }
  env->ReleaseStringChars(text, chars);
  return out;
}

jobjectArray newJavaStringArray(JNIEnv* env, jsize length) {
  jclass stringClass = env->FindClass("java/lang/String");
  if (stringClass == nullptr) return nullptr;
  jobjectArray array = env->NewObjectArray(length, stringClass, nullptr);
  env->DeleteLocalRef(stringClass);
  return array;
}
