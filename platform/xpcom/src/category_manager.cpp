// nsICategoryManager. Each entry has its current value and, when it was added with
// persist = true, a persisted value that the profile keeps for the next start (as
// Gecko keeps both). Adding without persist over a persisted entry changes only the
// current value; deleting with persist = true also forgets the persisted value, without
// it the persisted value comes back on the next start.
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "builtin_services.h"
#include "category_store.h"
#include "nsICategoryManager.h"
#include "nsISupportsImpl.h"
#include "nsISupportsPrimitives.h"
#include "nsString.h"
#include "simple_factory.h"

namespace xpcom::internal {
namespace {

class SupportsCString final : public nsISupportsCString {
 public:
  NS_DECL_ISUPPORTS
  explicit SupportsCString(std::string text) { mData.Assign(text.c_str(), static_cast<PRUint32>(text.size())); }
  NS_IMETHOD GetType(PRUint16* aType) override {
    if (!aType) return NS_ERROR_NULL_POINTER;
    *aType = TYPE_CSTRING;
    return NS_OK;
  }
  NS_IMETHOD GetData(nsACString& aData) override {
    aData.Assign(mData);
    return NS_OK;
  }
  NS_IMETHOD SetData(const nsACString& aData) override {
    mData.Assign(aData);
    return NS_OK;
  }
  NS_IMETHOD ToString(char** _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    *_retval = ToNewCString(mData);
    return *_retval ? NS_OK : NS_ERROR_OUT_OF_MEMORY;
  }

 private:
  ~SupportsCString() = default;
  nsCString mData;
};

NS_IMPL_THREADSAFE_ADDREF(SupportsCString)
NS_IMPL_THREADSAFE_RELEASE(SupportsCString)
NS_INTERFACE_MAP_BEGIN(SupportsCString)
NS_INTERFACE_MAP_ENTRY(nsISupportsCString)
NS_INTERFACE_MAP_ENTRY(nsISupportsPrimitive)
NS_INTERFACE_MAP_ENTRY_AMBIGUOUS(nsISupports, nsISupportsCString)
NS_INTERFACE_MAP_END

// Enumerates a snapshot of names, each as an nsISupportsCString.
class NameEnumerator final : public nsISimpleEnumerator {
 public:
  NS_DECL_ISUPPORTS
  explicit NameEnumerator(std::vector<std::string> names) : mNames(std::move(names)) {}
  NS_IMETHOD HasMoreElements(PRBool* _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    std::lock_guard lock(mMutex);
    *_retval = mNext < mNames.size();
    return NS_OK;
  }
  NS_IMETHOD GetNext(nsISupports** _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    *_retval = nullptr;
    std::lock_guard lock(mMutex);
    if (mNext >= mNames.size()) return NS_ERROR_FAILURE;
    nsISupportsCString* name = new SupportsCString(mNames[mNext++]);
    *_retval = name;
    name->AddRef();
    return NS_OK;
  }

 private:
  ~NameEnumerator() = default;
  std::mutex mMutex;
  std::vector<std::string> mNames;
  std::size_t mNext = 0;
};

NS_IMPL_THREADSAFE_ISUPPORTS1(NameEnumerator, nsISimpleEnumerator)

char* copyOf(const std::string& text) {
  return ToNewCString(nsDependentCString(text.c_str(), static_cast<PRUint32>(text.size())));
}

class CategoryManagerImpl final : public nsICategoryManager {
 public:
  NS_DECL_ISUPPORTS

  explicit CategoryManagerImpl(std::string persistFile) : mFile(std::move(persistFile)) {
    if (mFile.empty()) return;
    for (auto& [category, entries] : readCategoryFile(mFile)) {
      for (auto& [entry, value] : entries) mTable[category][entry] = Entry{value, value};
    }
  }

  NS_IMETHOD GetCategoryEntry(const char* aCategory, const char* aEntry, char** _retval) override {
    if (!aCategory || !aEntry || !_retval) return NS_ERROR_NULL_POINTER;
    *_retval = nullptr;
    std::lock_guard lock(mMutex);
    const Entry* entry = find(aCategory, aEntry);
    if (!entry || !entry->current) return NS_ERROR_NOT_AVAILABLE;
    *_retval = copyOf(*entry->current);
    return *_retval ? NS_OK : NS_ERROR_OUT_OF_MEMORY;
  }

  // An existing entry is kept (NS_ERROR_INVALID_ARG) unless aReplace; *_retval, when
  // asked for, receives the value it replaced (null when there was none).
  NS_IMETHOD AddCategoryEntry(const char* aCategory, const char* aEntry, const char* aValue, PRBool aPersist,
                              PRBool aReplace, char** _retval) override {
    if (_retval) *_retval = nullptr;
    if (!aCategory || !aEntry || !aValue) return NS_ERROR_NULL_POINTER;
    if (aPersist && !(storable(aCategory) && storable(aEntry) && storable(aValue))) return NS_ERROR_INVALID_ARG;
    std::lock_guard lock(mMutex);
    Entry& entry = mTable[aCategory][aEntry];
    if (entry.current && !aReplace) return NS_ERROR_INVALID_ARG;
    if (_retval && entry.current) {
      *_retval = copyOf(*entry.current);
      if (!*_retval) return NS_ERROR_OUT_OF_MEMORY;
    }
    entry.current = aValue;
    if (aPersist) {
      entry.persisted = aValue;
      if (!persist()) return NS_ERROR_FAILURE;
    }
    return NS_OK;
  }

  NS_IMETHOD DeleteCategoryEntry(const char* aCategory, const char* aEntry, PRBool aPersist) override {
    if (!aCategory || !aEntry) return NS_ERROR_NULL_POINTER;
    std::lock_guard lock(mMutex);
    auto category = mTable.find(aCategory);
    if (category == mTable.end()) return NS_OK;
    auto entry = category->second.find(aEntry);
    if (entry == category->second.end()) return NS_OK;
    entry->second.current.reset();
    const bool wasPersisted = entry->second.persisted.has_value();
    if (aPersist) entry->second.persisted.reset();
    if (!entry->second.persisted) category->second.erase(entry);
    if (category->second.empty()) mTable.erase(category);
    if (aPersist && wasPersisted && !persist()) return NS_ERROR_FAILURE;
    return NS_OK;
  }

  NS_IMETHOD DeleteCategory(const char* aCategory) override {
    if (!aCategory) return NS_ERROR_NULL_POINTER;
    std::lock_guard lock(mMutex);
    if (mTable.erase(aCategory) == 0) return NS_OK;
    return persist() ? NS_OK : NS_ERROR_FAILURE;
  }

  // An unknown category enumerates nothing.
  NS_IMETHOD EnumerateCategory(const char* aCategory, nsISimpleEnumerator** _retval) override {
    if (!aCategory || !_retval) return NS_ERROR_NULL_POINTER;
    std::vector<std::string> names;
    {
      std::lock_guard lock(mMutex);
      auto category = mTable.find(aCategory);
      if (category != mTable.end()) {
        for (const auto& [name, entry] : category->second) {
          if (entry.current) names.push_back(name);
        }
      }
    }
    return hand(std::move(names), _retval);
  }

  NS_IMETHOD EnumerateCategories(nsISimpleEnumerator** _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    std::vector<std::string> names;
    {
      std::lock_guard lock(mMutex);
      for (const auto& [name, entries] : mTable) {
        for (const auto& [entryName, entry] : entries) {
          if (entry.current) {
            names.push_back(name);
            break;
          }
        }
      }
    }
    return hand(std::move(names), _retval);
  }

 private:
  struct Entry {
    std::optional<std::string> current;
    std::optional<std::string> persisted;
  };

  ~CategoryManagerImpl() = default;

  const Entry* find(const char* category, const char* entry) const {
    auto found = mTable.find(category);
    if (found == mTable.end()) return nullptr;
    auto leaf = found->second.find(entry);
    return leaf == found->second.end() ? nullptr : &leaf->second;
  }

  // Called with the lock held.
  bool persist() {
    if (mFile.empty()) return true;
    CategoryTable stored;
    for (const auto& [category, entries] : mTable) {
      for (const auto& [name, entry] : entries) {
        if (entry.persisted) stored[category][name] = *entry.persisted;
      }
    }
    return writeCategoryFile(mFile, stored);
  }

  static nsresult hand(std::vector<std::string> names, nsISimpleEnumerator** _retval) {
    *_retval = new NameEnumerator(std::move(names));
    (*_retval)->AddRef();
    return NS_OK;
  }

  const std::string mFile;
  std::mutex mMutex;
  std::map<std::string, std::map<std::string, Entry>> mTable;
};

NS_IMPL_THREADSAFE_ISUPPORTS1(CategoryManagerImpl, nsICategoryManager)

}  // namespace

already_AddRefed<nsIFactory> newCategoryManagerFactory(const std::string& persistFile) {
  return newSimpleFactory([persistFile]() -> nsCOMPtr<nsISupports> {
    nsICategoryManager* manager = new CategoryManagerImpl(persistFile);
    return nsCOMPtr<nsISupports>(manager);
  });
}

}  // namespace xpcom::internal
