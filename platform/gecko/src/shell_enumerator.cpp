#include "shell_enumerator.h"

namespace gecko {

NS_IMPL_THREADSAFE_ISUPPORTS1(SnapshotEnumerator, nsISimpleEnumerator)

}  // namespace gecko
