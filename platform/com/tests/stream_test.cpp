// Global-memory streams, as CreateStreamOnHGlobal makes them.
#include <gtest/gtest.h>
#include <objbase.h>

#include <cstring>

#include "com_test_support.h"

using com_test::ComPtr;

namespace {

LARGE_INTEGER offset(LONGLONG value) {
  LARGE_INTEGER result;
  result.QuadPart = value;
  return result;
}

TEST(HGlobalStreamTest, WriteSeekReadAndSize) {
  ComPtr<IStream> stream;
  ASSERT_EQ(S_OK, CreateStreamOnHGlobal(nullptr, TRUE, stream.put()));
  ULONG written = 0;
  ASSERT_EQ(S_OK, stream->Write("hello world", 11, &written));
  EXPECT_EQ(11u, written);

  ULARGE_INTEGER position{};
  ASSERT_EQ(S_OK, stream->Seek(offset(-5), STREAM_SEEK_END, &position));
  EXPECT_EQ(6u, position.QuadPart);
  char buffer[16] = {};
  ULONG read = 0;
  ASSERT_EQ(S_OK, stream->Read(buffer, sizeof buffer, &read));
  EXPECT_EQ(5u, read);
  EXPECT_STREQ("world", buffer);
  ASSERT_EQ(S_OK, stream->Read(buffer, sizeof buffer, &read));  // at the end: nothing, not an error
  EXPECT_EQ(0u, read);

  STATSTG stat;
  ASSERT_EQ(S_OK, stream->Stat(&stat, STATFLAG_NONAME));
  EXPECT_EQ(static_cast<DWORD>(STGTY_STREAM), stat.type);
  EXPECT_EQ(11u, stat.cbSize.QuadPart);
  EXPECT_EQ(nullptr, stat.pwcsName);
}

TEST(HGlobalStreamTest, SeekBeforeTheStartFailsAndKeepsThePosition) {
  ComPtr<IStream> stream;
  ASSERT_EQ(S_OK, CreateStreamOnHGlobal(nullptr, TRUE, stream.put()));
  ASSERT_EQ(S_OK, stream->Write("abc", 3, nullptr));
  EXPECT_EQ(STG_E_INVALIDFUNCTION, stream->Seek(offset(-4), STREAM_SEEK_CUR, nullptr));
  ULARGE_INTEGER position{};
  ASSERT_EQ(S_OK, stream->Seek(offset(0), STREAM_SEEK_CUR, &position));
  EXPECT_EQ(3u, position.QuadPart);
  EXPECT_EQ(STG_E_INVALIDFUNCTION, stream->Seek(offset(0), 7, nullptr));
}

TEST(HGlobalStreamTest, WritingPastTheEndGrowsTheStream) {
  ComPtr<IStream> stream;
  ASSERT_EQ(S_OK, CreateStreamOnHGlobal(nullptr, TRUE, stream.put()));
  ASSERT_EQ(S_OK, stream->Seek(offset(4), STREAM_SEEK_SET, nullptr));
  ASSERT_EQ(S_OK, stream->Write("xy", 2, nullptr));
  STATSTG stat;
  ASSERT_EQ(S_OK, stream->Stat(&stat, STATFLAG_NONAME));
  EXPECT_EQ(6u, stat.cbSize.QuadPart);

  ULARGE_INTEGER size;
  size.QuadPart = 2;
  ASSERT_EQ(S_OK, stream->SetSize(size));
  ASSERT_EQ(S_OK, stream->Stat(&stat, STATFLAG_NONAME));
  EXPECT_EQ(2u, stat.cbSize.QuadPart);
}

TEST(HGlobalStreamTest, ReadsAGivenBlockAndSharesItWithClones) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
  std::memcpy(GlobalLock(block), "data", 4);
  GlobalUnlock(block);
  {
    ComPtr<IStream> stream;
    ASSERT_EQ(S_OK, CreateStreamOnHGlobal(block, FALSE, stream.put()));
    HGLOBAL held = nullptr;
    ASSERT_EQ(S_OK, GetHGlobalFromStream(stream.get(), &held));
    EXPECT_EQ(block, held);

    char buffer[5] = {};
    ASSERT_EQ(S_OK, stream->Read(buffer, 2, nullptr));
    ComPtr<IStream> clone;
    ASSERT_EQ(S_OK, stream->Clone(clone.put()));
    ASSERT_EQ(S_OK, clone->Read(buffer, 2, nullptr));  // from the original's position
    EXPECT_STREQ("ta", buffer);
    ASSERT_EQ(S_OK, clone->Seek(offset(0), STREAM_SEEK_SET, nullptr));
    ASSERT_EQ(S_OK, clone->Write("DA", 2, nullptr));
    ASSERT_EQ(S_OK, stream->Seek(offset(0), STREAM_SEEK_SET, nullptr));
    ASSERT_EQ(S_OK, stream->Read(buffer, 4, nullptr));
    EXPECT_STREQ("DAta", buffer);
  }
  // Not deleted on release: the block is still ours to free.
  EXPECT_EQ(4u, GlobalSize(block));
  EXPECT_EQ(nullptr, GlobalFree(block));
}

TEST(HGlobalStreamTest, CopyToAndUnsupportedLocks) {
  ComPtr<IStream> from, to;
  ASSERT_EQ(S_OK, CreateStreamOnHGlobal(nullptr, TRUE, from.put()));
  ASSERT_EQ(S_OK, CreateStreamOnHGlobal(nullptr, TRUE, to.put()));
  ASSERT_EQ(S_OK, from->Write("0123456789", 10, nullptr));
  ASSERT_EQ(S_OK, from->Seek(offset(2), STREAM_SEEK_SET, nullptr));
  ULARGE_INTEGER count, read, written;
  count.QuadPart = 100;
  ASSERT_EQ(S_OK, from->CopyTo(to.get(), count, &read, &written));
  EXPECT_EQ(8u, read.QuadPart);
  EXPECT_EQ(8u, written.QuadPart);
  ULARGE_INTEGER zero{};
  EXPECT_EQ(STG_E_INVALIDFUNCTION, from->LockRegion(zero, count, LOCK_WRITE));
  EXPECT_EQ(S_OK, from->Commit(STGC_DEFAULT));
}

TEST(HGlobalStreamTest, BadArguments) {
  EXPECT_EQ(E_INVALIDARG, CreateStreamOnHGlobal(nullptr, TRUE, nullptr));
  ComPtr<IStream> stream;
  ASSERT_EQ(S_OK, CreateStreamOnHGlobal(nullptr, TRUE, stream.put()));
  EXPECT_EQ(STG_E_INVALIDPOINTER, stream->Read(nullptr, 1, nullptr));
  EXPECT_EQ(STG_E_INVALIDPOINTER, stream->Write(nullptr, 1, nullptr));
}

}  // namespace
