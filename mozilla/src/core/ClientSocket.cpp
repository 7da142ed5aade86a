#include "ClientSocket.h"

#include <algorithm>
#include <climits>
#include <cstddef>

#include "common/trace_log.h"

ClientSocket::Connection::~Connection() {
  if (descriptor != INVALID_SOCKET) closeSocketDescriptor(descriptor);
}

SOCKET ClientSocket::descriptor() const { return mConnection ? mConnection->descriptor : INVALID_SOCKET; }

SOCKET ClientSocket::Create() {
  const SOCKET descriptor = socket(AF_INET, SOCK_STREAM, 0);
  if (descriptor == INVALID_SOCKET) trace("problem while opening socket\n");
  trace("client socket create called ..........\n");
  mConnection = std::make_shared<Connection>(descriptor);
  return descriptor;
}

int ClientSocket::Connect(const char* host, int port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<unsigned short>(port));
  address.sin_addr.s_addr = inet_addr(host != nullptr ? host : "");
  int result = SOCKET_ERROR;
  if (mConnection && mConnection->descriptor != INVALID_SOCKET) {
    result = connect(mConnection->descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof address);
  }
  if (result != 0) {
    trace("Problem while connecting to the server");
    return SOCKET_ERROR;
  }
  return 0;
}

int ClientSocket::Send(const nsAString& text) {
  const NS_ConvertUTF16toUTF8 bytes(text);
  const size_t size = bytes.Length();
  traceWithoutPrefix("message to server is %.*s %zu\n", static_cast<int>(std::min<size_t>(size, INT_MAX)),
                     bytes.get(), size);
  if (!mConnection || mConnection->descriptor == INVALID_SOCKET) return SOCKET_ERROR;
  // One text at a time on this connection: a send may take only part of the bytes, and
  // another thread's text must not land between the parts.
  std::lock_guard lock(mConnection->sending);
  size_t sent = 0;
  while (sent < size) {
    const size_t chunk = std::min<size_t>(size - sent, INT_MAX);
    const auto count = send(mConnection->descriptor, bytes.get() + sent, static_cast<int>(chunk), kSendFlags);
    if (count == SOCKET_ERROR) {
      if (interruptedCall()) continue;
      return SOCKET_ERROR;
    }
    sent += static_cast<size_t>(count);
  }
  return static_cast<int>(std::min<size_t>(sent, INT_MAX));
}

int ClientSocket::Receive(nsAString& text) {
  char buffer[kMessageLimit];
  int count = SOCKET_ERROR;
  if (mConnection && mConnection->descriptor != INVALID_SOCKET) {
    do {
      count = static_cast<int>(recv(mConnection->descriptor, buffer, sizeof buffer, 0));
    } while (count == SOCKET_ERROR && interruptedCall());
  }
  const int received = std::max(count, 0);
  traceWithoutPrefix("message from the server is %.*s & length is %d\n", received, buffer, count);
  // Exactly the bytes received: the buffer holds no terminator and nothing of an
  // earlier message counts.
  text.Truncate();
  if (received > 0) CopyUTF8toUTF16(nsDependentCString(buffer, static_cast<PRUint32>(received)), text);
  return count;
}

int ClientSocket::Close() {
  if (mConnection && mConnection->descriptor != INVALID_SOCKET) shutdown(mConnection->descriptor, SD_BOTH);
  return 1;
}
