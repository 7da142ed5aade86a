#include "pointer32.h"

#include <mutex>
#include <unordered_map>
#include <vector>

namespace win32::layout {
namespace {

// Tokens for addresses above 4 GB: from 0xF0000000 up, a range nothing is mapped at
// on this host (low blocks come from MAP_32BIT, below 2 GB).
constexpr uint32_t firstToken = 0xF0000000u;

struct TokenTable {
  std::mutex mutex;
  std::unordered_map<const void*, uint32_t> tokenOf;
  std::vector<void*> pointerOf;  // index = token - firstToken
};

TokenTable& tokens() {
  static auto& table = *new TokenTable;
  return table;
}

}  // namespace

uint32_t narrowPointer(const void* pointer) {
  const auto address = reinterpret_cast<uintptr_t>(pointer);
  if (address < firstToken) return static_cast<uint32_t>(address);
  TokenTable& table = tokens();
  std::lock_guard lock(table.mutex);
  const auto found = table.tokenOf.find(pointer);
  if (found != table.tokenOf.end()) return found->second;
  const uint32_t token = firstToken + static_cast<uint32_t>(table.pointerOf.size());
  table.pointerOf.push_back(const_cast<void*>(pointer));
  table.tokenOf.emplace(pointer, token);
  return token;
}

void* widenPointer(uint32_t value) {
  if (value < firstToken) return reinterpret_cast<void*>(static_cast<uintptr_t>(value));
  TokenTable& table = tokens();
  std::lock_guard lock(table.mutex);
  const size_t index = value - firstToken;
  return index < table.pointerOf.size() ? table.pointerOf[index] : nullptr;
}

}  // namespace win32::layout
