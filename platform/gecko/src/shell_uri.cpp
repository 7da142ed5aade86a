#include "shell_uri.h"

#include <cctype>
#include <charconv>
#include <mutex>
#include <optional>

#include "engine/url.h"
#include "nsNetError.h"
#include "nsString.h"

namespace gecko {
namespace {

std::string lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool validScheme(const std::string& scheme) {
  if (scheme.empty() || !std::isalpha(static_cast<unsigned char>(scheme[0]))) return false;
  for (char c : scheme) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.') return false;
  }
  return true;
}

// The parts of a URI; the whole text is always rebuilt from them.
struct Parts {
  std::string scheme;         // lower case
  bool hierarchical = false;  // has "//" and an authority
  std::string username, password;
  bool hasPassword = false;
  std::string host;
  int port = -1;     // -1: the scheme's default
  std::string path;  // from the first "/" (with query and fragment); for simple URIs all after ":"

  std::string userPass() const { return hasPassword ? username + ":" + password : username; }
  std::string hostPort() const { return port < 0 ? host : host + ":" + std::to_string(port); }
  std::string prePath() const {
    if (!hierarchical) return scheme + ":";
    std::string pre = scheme + "://";
    if (!username.empty() || hasPassword) pre += userPass() + "@";
    return pre + hostPort();
  }
  std::string wholeText() const { return prePath() + path; }
};

std::optional<int> parsePort(const std::string& text) {
  if (text.empty()) return -1;
  int port = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
  if (error != std::errc() || end != text.data() + text.size() || port < 0 || port > 65535) return std::nullopt;
  return port;
}

// Splits "user:pass@host:port" into `parts`; false when the port is not a number.
bool parseAuthority(const std::string& authority, Parts& parts) {
  std::string hostPort = authority;
  parts.username.clear();
  parts.password.clear();
  parts.hasPassword = false;
  if (auto at = authority.rfind('@'); at != std::string::npos) {
    std::string user = authority.substr(0, at);
    hostPort = authority.substr(at + 1);
    if (auto colon = user.find(':'); colon != std::string::npos) {
      parts.username = user.substr(0, colon);
      parts.password = user.substr(colon + 1);
      parts.hasPassword = true;
    } else {
      parts.username = user;
    }
  }
  std::string portText;
  auto colon = hostPort.rfind(':');
  if (colon != std::string::npos && hostPort.find(']', colon) == std::string::npos) {
    portText = hostPort.substr(colon + 1);
    hostPort.erase(colon);
  }
  auto port = parsePort(portText);
  if (!port) return false;
  parts.host = lower(hostPort);
  parts.port = *port;
  return true;
}

std::optional<Parts> parse(const std::string& text) {
  auto colon = text.find(':');
  if (colon == std::string::npos) return std::nullopt;
  Parts parts;
  parts.scheme = lower(text.substr(0, colon));
  if (!validScheme(parts.scheme)) return std::nullopt;
  std::string rest = text.substr(colon + 1);
  if (rest.compare(0, 2, "//") != 0) {
    parts.path = rest;
    return parts;
  }
  parts.hierarchical = true;
  rest.erase(0, 2);
  auto pathStart = rest.find_first_of("/?#");
  std::string authority = rest.substr(0, pathStart);
  parts.path = pathStart == std::string::npos ? std::string("/") : rest.substr(pathStart);
  if (parts.path[0] != '/') parts.path.insert(0, "/");
  if (!parseAuthority(authority, parts)) return std::nullopt;
  return parts;
}

void assign(nsACString& out, const std::string& text) { out.Assign(text.data(), static_cast<PRUint32>(text.size())); }
std::string read(const nsACString& text) { return std::string(text.BeginReading(), text.Length()); }

class URI final : public nsIURI {
 public:
  explicit URI(Parts parts) : parts_(std::move(parts)) {}

  NS_DECL_ISUPPORTS

  NS_IMETHOD GetSpec(nsACString& aSpec) override {
    return get(aSpec, [](const Parts& p) { return p.wholeText(); });
  }
  NS_IMETHOD SetSpec(const nsACString& aSpec) override {
    auto parts = parse(read(aSpec));
    if (!parts) return NS_ERROR_MALFORMED_URI;
    std::lock_guard lock(mutex_);
    parts_ = std::move(*parts);
    return NS_OK;
  }
  NS_IMETHOD GetPrePath(nsACString& aPrePath) override {
    return get(aPrePath, [](const Parts& p) { return p.prePath(); });
  }
  NS_IMETHOD GetScheme(nsACString& aScheme) override {
    return get(aScheme, [](const Parts& p) { return p.scheme; });
  }
  NS_IMETHOD SetScheme(const nsACString& aScheme) override {
    std::string scheme = lower(read(aScheme));
    if (!validScheme(scheme)) return NS_ERROR_MALFORMED_URI;
    std::lock_guard lock(mutex_);
    parts_.scheme = scheme;
    return NS_OK;
  }
  NS_IMETHOD GetUserPass(nsACString& aUserPass) override {
    return getAuthority(aUserPass, [](const Parts& p) { return p.userPass(); });
  }
  NS_IMETHOD SetUserPass(const nsACString& aUserPass) override {
    return setAuthority([text = read(aUserPass)](Parts& p) {
      auto colon = text.find(':');
      p.username = text.substr(0, colon);
      p.hasPassword = colon != std::string::npos;
      p.password = p.hasPassword ? text.substr(colon + 1) : std::string();
      return true;
    });
  }
  NS_IMETHOD GetUsername(nsACString& aUsername) override {
    return getAuthority(aUsername, [](const Parts& p) { return p.username; });
  }
  NS_IMETHOD SetUsername(const nsACString& aUsername) override {
    return setAuthority([text = read(aUsername)](Parts& p) {
      p.username = text;
      return true;
    });
  }
  NS_IMETHOD GetPassword(nsACString& aPassword) override {
    return getAuthority(aPassword, [](const Parts& p) { return p.password; });
  }
  NS_IMETHOD SetPassword(const nsACString& aPassword) override {
    return setAuthority([text = read(aPassword)](Parts& p) {
      p.password = text;
      p.hasPassword = true;
      return true;
    });
  }
  NS_IMETHOD GetHostPort(nsACString& aHostPort) override {
    return getAuthority(aHostPort, [](const Parts& p) { return p.hostPort(); });
  }
  NS_IMETHOD SetHostPort(const nsACString& aHostPort) override {
    return setAuthority([text = read(aHostPort)](Parts& p) {
      Parts changed = p;
      if (!parseAuthority(text, changed)) return false;
      p.host = changed.host;
      p.port = changed.port;
      return true;
    });
  }
  NS_IMETHOD GetHost(nsACString& aHost) override {
    return getAuthority(aHost, [](const Parts& p) { return p.host; });
  }
  NS_IMETHOD SetHost(const nsACString& aHost) override {
    return setAuthority([text = read(aHost)](Parts& p) {
      if (text.find_first_of(":/@?#") != std::string::npos) return false;
      p.host = lower(text);
      return true;
    });
  }
  NS_IMETHOD GetPort(PRInt32* aPort) override {
    if (!aPort) return NS_ERROR_NULL_POINTER;
    std::lock_guard lock(mutex_);
    if (!parts_.hierarchical) return NS_ERROR_FAILURE;
    *aPort = parts_.port;
    return NS_OK;
  }
  NS_IMETHOD SetPort(PRInt32 aPort) override {
    return setAuthority([aPort](Parts& p) {
      if (aPort < -1 || aPort > 65535) return false;
      p.port = aPort;
      return true;
    });
  }
  NS_IMETHOD GetPath(nsACString& aPath) override {
    return get(aPath, [](const Parts& p) { return p.path; });
  }
  NS_IMETHOD SetPath(const nsACString& aPath) override {
    std::string path = read(aPath);
    std::lock_guard lock(mutex_);
    if (parts_.hierarchical && (path.empty() || path[0] != '/')) path.insert(0, "/");
    parts_.path = path;
    return NS_OK;
  }
  NS_IMETHOD Equals(nsIURI* other, PRBool* _retval) override {
    if (!other || !_retval) return NS_ERROR_NULL_POINTER;
    nsCString mine, theirs;
    GetSpec(mine);
    nsresult rv = other->GetSpec(theirs);
    if (NS_FAILED(rv)) return rv;
    *_retval = mine.Equals(theirs) ? PR_TRUE : PR_FALSE;
    return NS_OK;
  }
  NS_IMETHOD SchemeIs(const char* scheme, PRBool* _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    std::lock_guard lock(mutex_);
    *_retval = scheme && lower(scheme) == parts_.scheme ? PR_TRUE : PR_FALSE;
    return NS_OK;
  }
  NS_IMETHOD Clone(nsIURI** _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    std::lock_guard lock(mutex_);
    *_retval = new URI(parts_);
    NS_ADDREF(*_retval);
    return NS_OK;
  }
  NS_IMETHOD Resolve(const nsACString& relativePath, nsACString& _retval) override {
    std::string base;
    {
      std::lock_guard lock(mutex_);
      base = parts_.wholeText();
    }
    assign(_retval, engine::url::resolve(base, read(relativePath)));
    return NS_OK;
  }
  // Bytes outside ASCII are escaped, as Gecko's ASCII form of an address does.
  NS_IMETHOD GetAsciiSpec(nsACString& aAsciiSpec) override {
    return get(aAsciiSpec, [](const Parts& p) {
      static const char kHex[] = "0123456789ABCDEF";
      std::string out;
      for (unsigned char c : p.wholeText()) {
        if (c < 0x80) {
          out += static_cast<char>(c);
        } else {
          out += '%';
          out += kHex[c >> 4];
          out += kHex[c & 15];
        }
      }
      return out;
    });
  }
  NS_IMETHOD GetAsciiHost(nsACString& aAsciiHost) override { return GetHost(aAsciiHost); }
  // The URI was made from UTF-8 text, not from a page's own charset.
  NS_IMETHOD GetOriginCharset(nsACString& aOriginCharset) override {
    aOriginCharset.Truncate();
    return NS_OK;
  }

 private:
  ~URI() = default;

  template <class Read>
  nsresult get(nsACString& out, Read&& read) {
    std::lock_guard lock(mutex_);
    assign(out, read(parts_));
    return NS_OK;
  }
  // A simple URI (about:, javascript:) has no authority to read or change.
  template <class Read>
  nsresult getAuthority(nsACString& out, Read&& read) {
    std::lock_guard lock(mutex_);
    if (!parts_.hierarchical) return NS_ERROR_FAILURE;
    assign(out, read(parts_));
    return NS_OK;
  }
  template <class Change>
  nsresult setAuthority(Change&& change) {
    std::lock_guard lock(mutex_);
    if (!parts_.hierarchical) return NS_ERROR_FAILURE;
    Parts changed = parts_;
    if (!change(changed)) return NS_ERROR_MALFORMED_URI;
    parts_ = std::move(changed);
    return NS_OK;
  }

  std::mutex mutex_;
  Parts parts_;
};

NS_IMPL_THREADSAFE_ISUPPORTS1(URI, nsIURI)

}  // namespace

nsCOMPtr<nsIURI> newURI(const std::string& text) {
  nsCOMPtr<nsIURI> uri;
  if (auto parts = parse(text)) uri = new URI(std::move(*parts));
  return uri;
}

}  // namespace gecko
