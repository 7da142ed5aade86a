#include "loopback_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace marbleck_test {

namespace {

// Waits for `fd` to become readable; false on timeout.
bool readable(int fd, std::chrono::milliseconds timeout) {
  pollfd entry{fd, POLLIN, 0};
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() < 0) return false;
    const int ready = ::poll(&entry, 1, static_cast<int>(left.count()));
    if (ready > 0) return true;
    if (ready == 0) return false;
    if (errno != EINTR) return false;
  }
}

}  // namespace

LoopbackServer::LoopbackServer(bool listening) {
  mListener = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  ::bind(mListener, reinterpret_cast<sockaddr*>(&address), sizeof address);
  socklen_t length = sizeof address;
  ::getsockname(mListener, reinterpret_cast<sockaddr*>(&address), &length);
  mPort = ntohs(address.sin_port);
  if (listening) Listen();
}

LoopbackServer::~LoopbackServer() {
  CloseConnection();
  if (mListener >= 0) ::close(mListener);
}

void LoopbackServer::Listen() { ::listen(mListener, 8); }

bool LoopbackServer::Accept(std::chrono::milliseconds timeout) {
  if (!readable(mListener, timeout)) return false;
  const int connection = ::accept(mListener, nullptr, nullptr);
  if (connection < 0) return false;
  CloseConnection();
  mConnection = connection;
  mEnded = false;
  mPending.clear();
  return true;
}

bool LoopbackServer::Send(const std::string& bytes) {
  if (mConnection < 0) return false;
  return ::send(mConnection, bytes.data(), bytes.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(bytes.size());
}

bool LoopbackServer::ReadMore(std::chrono::milliseconds timeout) {
  if (mConnection < 0 || mEnded || !readable(mConnection, timeout)) return false;
  char buffer[65536];
  const ssize_t count = ::recv(mConnection, buffer, sizeof buffer, 0);
  if (count <= 0) {
    mEnded = true;
    return false;
  }
  mPending.append(buffer, static_cast<size_t>(count));
  return true;
}

std::optional<std::string> LoopbackServer::ReadLine(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    const size_t end = mPending.find('\n');
    if (end != std::string::npos) {
      std::string line = mPending.substr(0, end);
      mPending.erase(0, end + 1);
      return line;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0 || !ReadMore(left)) return std::nullopt;
  }
}

bool LoopbackServer::WaitForClose(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!mEnded) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    ReadMore(left);
  }
  return true;
}

void LoopbackServer::CloseConnection() {
  if (mConnection >= 0) ::close(mConnection);
  mConnection = -1;
}

}  // namespace marbleck_test
