// The natives of com.corvalen.tarnwell.web.client.util.MozCompInstaller.
#include <jni.h>

#include <climits>

#include "common/java_strings.h"
#include "mozilla_registry.h"

extern "C" {

JNIEXPORT jint JNICALL Java_com_corvalen_tarnwell_web_client_util_MozCompInstaller_getMozillaInstallationCount(
    JNIEnv*, jobject) {
  return fennick::countInstallations();
}

// A missing runtime key gives an empty array rather than asking the VM for an array
// of negative length, which would raise an error in the host.
JNIEXPORT jobjectArray JNICALL Java_com_corvalen_tarnwell_web_client_util_MozCompInstaller_getMozillaDetails(
    JNIEnv* env, jobject) {
  const std::vector<std::string> details = fennick::installationDetails();
  if (details.size() > static_cast<size_t>(INT_MAX)) return nullptr;
  jobjectArray array = newJavaStringArray(env, static_cast<jsize>(details.size()));
  if (array == nullptr) return nullptr;
  for (size_t i = 0; i < details.size(); ++i) {
    jstring text = newJavaString(env, details[i]);
    if (text == nullptr) break;
    env->SetObjectArrayElement(array, static_cast<jsize>(i), text);
    env->DeleteLocalRef(text);
  }
  return array;
}

}  // extern "C"
