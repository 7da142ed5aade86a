// A TCP server on the loopback interface for the component to connect to: the Java
// host's part, played by the test. Every wait is bounded.
#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace marbleck_test {

class LoopbackServer {
 public:
  // Binds 127.0.0.1 on a free port and listens, unless `listening` is false: then the
  // port is held but refuses connections until Listen().
  explicit LoopbackServer(bool listening = true);
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  int port() const { return mPort; }
  void Listen();

  // Waits for the next connection; it becomes the current one. False on timeout.
  bool Accept(std::chrono::milliseconds timeout = std::chrono::seconds(10));
  // Writes `bytes` to the current connection in one call.
  bool Send(const std::string& bytes);
  // The next line from the current connection, without its "\n"; nothing when the
  // connection ends or the timeout passes first.
  std::optional<std::string> ReadLine(std::chrono::milliseconds timeout = std::chrono::seconds(10));
  // Waits until the component closes its side; false on timeout.
  bool WaitForClose(std::chrono::milliseconds timeout = std::chrono::seconds(10));
  // Closes the current connection from the server's side.
  void CloseConnection();

 private:
  bool ReadMore(std::chrono::milliseconds timeout);

  int mListener = -1;
  int mConnection = -1;
  int mPort = 0;
  bool mEnded = false;
  std::string mPending;
};

}  // namespace marbleck_test
