// The socket endpoint over loopback TCP: message framing, UTF-8 both ways, whole texts
// from several threads, and what a closed connection does.
#include <gtest/gtest.h>

#include <fcntl.h>

#include <string>
#include <thread>
#include <vector>

#include "ClientSocket.h"
#include "common/trace_log.h"
#include "component_fixture.h"

namespace marbleck_test {
namespace {

class ClientSocketTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(openTraceLog((folder.path() / "socket.log").c_str()));
    enableTraceLog();
    socket.Create();
    ASSERT_EQ(socket.Connect("127.0.0.1", server.port()), 0);
    ASSERT_TRUE(server.Accept());
  }
  void TearDown() override { closeTraceLog(); }

  std::string Received() {
    nsString text;
    lastCount = socket.Receive(text);
    const NS_ConvertUTF16toUTF8 bytes(text);
    return std::string(bytes.get(), bytes.Length());
  }

  TemporaryFolder folder;
  LoopbackServer server;
  ClientSocket socket;
  int lastCount = 0;
};

TEST_F(ClientSocketTest, A3000ByteTextArrivesAsTwoMessagesOf2048And952Bytes) {
  const std::string text = std::string(2048, 'a') + std::string(952, 'b');
  ASSERT_TRUE(server.Send(text));
  EXPECT_EQ(Received(), text.substr(0, 2048));
  EXPECT_EQ(lastCount, 2048);
  EXPECT_EQ(Received(), text.substr(2048));
  EXPECT_EQ(lastCount, 952);
}

TEST_F(ClientSocketTest, AMessageIsExactlyTheBytesReceivedNotWhatAnEarlierOneLeft) {
  ASSERT_TRUE(server.Send("play\n<long document/>"));
  EXPECT_EQ(Received(), "play\n<long document/>");
  ASSERT_TRUE(server.Send("quit\n"));
  EXPECT_EQ(Received(), "quit\n");
  // A NUL inside a message is part of it, not its end.
  ASSERT_TRUE(server.Send(std::string("a\0b", 3)));
  EXPECT_EQ(Received(), std::string("a\0b", 3));
}

TEST_F(ClientSocketTest, TextsGoOutAsUtf8AndTheirByteCountIsTracedWithoutTimePrefix) {
  EXPECT_EQ(socket.Send(nsString(u"caf\u00e9 \u20ac\U0001F600\n")), 14);
  EXPECT_EQ(server.ReadLine(), "caf\xc3\xa9 \xe2\x82\xac\xf0\x9f\x98\x80");
  const std::string trace = fileText(folder.path() / "socket.log");
  EXPECT_NE(trace.find("\nmessage to server is caf\xc3\xa9 \xe2\x82\xac\xf0\x9f\x98\x80\n 14\n"), std::string::npos)
      << trace;
  ASSERT_TRUE(server.Send("h\xc3\xa9llo"));
  EXPECT_EQ(Received(), "h\xc3\xa9llo");
  EXPECT_NE(fileText(folder.path() / "socket.log").find("\nmessage from the server is h\xc3\xa9llo & length is 6\n"),
            std::string::npos);
}

TEST_F(ClientSocketTest, TextsSentFromSeveralThreadsArriveWholeAndInEachThreadsOrder) {
  constexpr int kThreads = 6;
  constexpr int kTexts = 40;
  std::vector<std::thread> senders;
  for (int t = 0; t < kThreads; ++t) {
    senders.emplace_back([copy = socket, t]() mutable {
      for (int n = 0; n < kTexts; ++n) {
        // Up to a few hundred kilobytes, more than one send takes at once.
        const size_t filler = static_cast<size_t>((n * 7919 + t * 104729) % 300000);
        const std::string text = std::to_string(t) + ":" + std::to_string(n) + ":" + std::string(filler, 'a' + t);
        nsString wide;
        CopyASCIItoUTF16(nsCString(text.c_str()), wide);
        wide.Append(u'\n');
        copy.Send(wide);
      }
    });
  }
  std::vector<int> next(kThreads, 0);
  for (int received = 0; received < kThreads * kTexts; ++received) {
    const auto line = server.ReadLine(std::chrono::seconds(30));
    ASSERT_TRUE(line.has_value());
    const size_t first = line->find(':');
    const size_t second = line->find(':', first + 1);
    ASSERT_NE(second, std::string::npos) << line->substr(0, 40);
    const int t = std::stoi(line->substr(0, first));
    const int n = std::stoi(line->substr(first + 1, second - first - 1));
    ASSERT_EQ(n, next[t]++) << "thread " << t;
    const size_t filler = static_cast<size_t>((n * 7919 + t * 104729) % 300000);
    ASSERT_EQ(line->size() - second - 1, filler);
    ASSERT_EQ(line->find_first_not_of(static_cast<char>('a' + t), second + 1), std::string::npos);
  }
  for (auto& sender : senders) sender.join();
}

TEST_F(ClientSocketTest, CloseEndsTheConnectionForEveryCopyButKeepsTheDescriptor) {
  ClientSocket copy = socket;
  EXPECT_EQ(socket.Close(), 1);
  EXPECT_TRUE(server.WaitForClose());
  // A send on a connection that is shut down fails instead of raising SIGPIPE.
  EXPECT_EQ(copy.Send(nsString(u"lost\n")), SOCKET_ERROR);
  EXPECT_EQ(Received(), "");
  EXPECT_EQ(lastCount, 0);
  EXPECT_NE(::fcntl(copy.descriptor(), F_GETFD), -1);
}

TEST_F(ClientSocketTest, TheHostClosingShowsAsAnEmptyReceive) {
  ASSERT_TRUE(server.Send("last\n"));
  EXPECT_EQ(Received(), "last\n");
  server.CloseConnection();
  EXPECT_EQ(Received(), "");
  EXPECT_EQ(lastCount, 0);
}

TEST(ClientSocketWithoutConnection, EveryCallFailsQuietly) {
  ClientSocket socket;
  EXPECT_EQ(socket.Send(nsString(u"x\n")), SOCKET_ERROR);
  nsString text(u"stale");
  EXPECT_EQ(socket.Receive(text), SOCKET_ERROR);
  EXPECT_TRUE(text.IsEmpty());
  EXPECT_EQ(socket.Connect("127.0.0.1", 1), SOCKET_ERROR);
  socket.Create();
  EXPECT_EQ(socket.Connect("not an address", 80), SOCKET_ERROR);
  EXPECT_EQ(socket.Close(), 1);
}

}  // namespace
}  // namespace marbleck_test
