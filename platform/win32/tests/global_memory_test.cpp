#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

namespace {

TEST(GlobalMemory, FixedBlockIsItsOwnAddress) {
  HGLOBAL block = GlobalAlloc(GPTR, 16);
  ASSERT_NE(nullptr, block);
  EXPECT_EQ(static_cast<LPVOID>(block), GlobalLock(block));
  EXPECT_EQ(16u, GlobalSize(block));
  const auto* bytes = static_cast<const unsigned char*>(block);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(0, bytes[i]) << "GPTR zeroes";
  EXPECT_FALSE(GlobalUnlock(block));
  EXPECT_EQ(nullptr, GlobalFree(block));
}

TEST(GlobalMemory, MoveableBlockLocksAndGrows) {
  HGLOBAL block = GlobalAlloc(GHND, 4);
  ASSERT_NE(nullptr, block);
  auto* data = static_cast<char*>(GlobalLock(block));
  ASSERT_NE(nullptr, data);
  EXPECT_NE(static_cast<LPVOID>(block), static_cast<LPVOID>(data));
  std::memcpy(data, "abcd", 4);
  EXPECT_EQ(data, GlobalLock(block)) << "a second lock gives the same address";
  EXPECT_TRUE(GlobalUnlock(block)) << "still locked once";
  EXPECT_EQ(nullptr, GlobalReAlloc(block, 4096, GMEM_MOVEABLE)) << "a locked block does not move";
  EXPECT_FALSE(GlobalUnlock(block));
  EXPECT_EQ(static_cast<DWORD>(NO_ERROR), GetLastError());

  EXPECT_EQ(block, GlobalReAlloc(block, 4096, GMEM_MOVEABLE | GMEM_ZEROINIT)) << "the handle survives growth";
  EXPECT_EQ(4096u, GlobalSize(block));
  const auto* grown = static_cast<const char*>(GlobalLock(block));
  EXPECT_EQ(0, std::memcmp(grown, "abcd", 4));
  EXPECT_EQ(0, grown[4095]);
  GlobalUnlock(block);
  EXPECT_EQ(nullptr, GlobalFree(block));
  EXPECT_EQ(block, GlobalFree(block)) << "freeing twice fails";
  EXPECT_EQ(0u, GlobalSize(block));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
}

TEST(GlobalMemory, FixedBlockGrowsOnlyWhenAllowedToMove) {
  HGLOBAL block = GlobalAlloc(GMEM_FIXED, 8);
  std::memcpy(block, "12345678", 8);
  EXPECT_EQ(nullptr, GlobalReAlloc(block, 1 << 20, 0));
  HGLOBAL moved = GlobalReAlloc(block, 1 << 20, GMEM_MOVEABLE);
  ASSERT_NE(nullptr, moved);
  EXPECT_EQ(0, std::memcmp(moved, "12345678", 8));
  EXPECT_EQ(static_cast<SIZE_T>(1 << 20), GlobalSize(moved));
  EXPECT_EQ(nullptr, GlobalFree(moved));
}

TEST(GlobalMemory, ZeroBytesIsADiscardedBlockThatCanGrow) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 0);
  ASSERT_NE(nullptr, block);
  EXPECT_EQ(0u, GlobalSize(block));
  EXPECT_EQ(nullptr, GlobalLock(block)) << "nothing to lock in a discarded block";
  EXPECT_EQ(static_cast<DWORD>(ERROR_DISCARDED), GetLastError());
  ASSERT_EQ(block, GlobalReAlloc(block, 10, GMEM_MOVEABLE | GMEM_ZEROINIT));
  const auto* data = static_cast<const char*>(GlobalLock(block));
  ASSERT_NE(nullptr, data);
  EXPECT_EQ(0, data[9]);
  GlobalUnlock(block);
  GlobalFree(block);

  HGLOBAL fixed = GlobalAlloc(GMEM_FIXED, 0);
  EXPECT_EQ(static_cast<LPVOID>(fixed), GlobalLock(fixed)) << "a fixed block is always its address";
  GlobalFree(fixed);
}

}  // namespace
