#include "engine/user_script.h"

#include <windows.h>

#include <charconv>
#include <map>

#include "text_util.h"

namespace engine {
namespace {

using Kind = UserAction::Kind;

// One line cut into its first words, with what follows each word kept as the rest.
class Line {
public:
    explicit Line(const std::string& text) : textPtr_(&text) {}
    // The next word, or "" at the end.
    std::string word() {
        skipBlanks();
        std::size_t begin = at_;
        while (at_ < textPtr_->size() && !isBlank((*textPtr_)[at_])) ++at_;
        return textPtr_->substr(begin, at_ - begin);
    }
    // Everything after the blanks that follow the words taken so far.
    std::string rest() {
        skipBlanks();
        std::string result = textPtr_->substr(at_);
        at_ = textPtr_->size();
        return result;
    }
    bool atEnd() {
        skipBlanks();
        return at_ >= textPtr_->size();
    }

private:
    static bool isBlank(char c) { return c == ' ' || c == '\t'; }
    void skipBlanks() {
        while (at_ < textPtr_->size() && isBlank((*textPtr_)[at_])) ++at_;
    }
    const std::string* textPtr_;
    std::size_t at_ = 0;
};

bool parseNumber(const std::string& word, int& number) {
    auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), number);
    return error == std::errc() && end == word.data() + word.size() && !word.empty();
}

UserScriptResult failure(int line, const std::string& why) {
    return {false, line, "line " + std::to_string(line) + ": " + why};
}

// "link=Some text right" -> target "link=Some text", right.
void takeTarget(Line& line, UserAction& action, bool mayBeRight) {
    std::string first = line.word();
    if (first.rfind("link=", 0) == 0) {
        std::string rest = line.rest();
        std::string whole = rest.empty() ? first : first + " " + rest;
        whole = text::trim(whole);
        if (mayBeRight && whole.size() > 6 && whole.compare(whole.size() - 6, 6, " right") == 0) {
            action.right = true;
            whole = text::trim(whole.substr(0, whole.size() - 6));
        }
        action.target = whole;
        return;
    }
    action.target = first;
    if (mayBeRight && !line.atEnd()) {
        Line ahead = line;
        if (ahead.word() == "right") {
            line = ahead;
            action.right = true;
        }
    }
}

}  // namespace

UserScriptResult parseUserScript(const std::string& script, std::vector<UserAction>& actions) {
    static const std::map<std::string, Kind> kinds = {
        {"open", Kind::Open},       {"click", Kind::Click},       {"dblclick", Kind::DoubleClick},
        {"hover", Kind::Hover},     {"type", Kind::Type},         {"key", Kind::Key},
        {"choose", Kind::Choose},   {"selecttext", Kind::SelectText}, {"back", Kind::Back},
        {"forward", Kind::Forward}, {"refresh", Kind::Refresh},   {"home", Kind::Home},
        {"stop", Kind::Stop},       {"window", Kind::Window},     {"frame", Kind::Frame},
        {"dialog", Kind::Dialog},   {"close", Kind::Close},       {"wait", Kind::Wait}};
    std::vector<UserAction> parsed;
    int number = 0;
    std::size_t start = 0;
    while (start <= script.size()) {
        std::size_t end = script.find('\n', start);
        std::string text = script.substr(start, end == std::string::npos ? std::string::npos : end - start);
        start = end == std::string::npos ? script.size() + 1 : end + 1;
        ++number;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        Line line(text);
        if (line.atEnd()) continue;
        std::string verb = line.word();
        if (verb[0] == '#') continue;
        auto kind = kinds.find(verb);
        if (kind == kinds.end()) return failure(number, "unknown action \"" + verb + "\"");
        UserAction action;
        action.kind = kind->second;
        action.line = number;
        switch (action.kind) {
            case Kind::Open:
                action.target = line.rest();
                if (action.target.empty()) return failure(number, "open needs a URL");
                break;
            case Kind::Click:
            case Kind::DoubleClick:
            case Kind::Hover:
            case Kind::SelectText:
                takeTarget(line, action, action.kind == Kind::Click);
                if (action.target.empty()) return failure(number, verb + " needs a TARGET");
                if (!line.atEnd()) return failure(number, "unexpected words after the TARGET");
                break;
            case Kind::Type:
            case Kind::Choose:
                action.target = line.word();
                action.text = line.rest();
                if (action.target.empty()) return failure(number, verb + " needs a TARGET");
                if (action.kind == Kind::Choose && action.text.empty()) return failure(number, "choose needs a TEXT");
                break;
            case Kind::Key: {
                action.target = line.word();
                if (action.target.empty() || !parseNumber(line.word(), action.number)) {
                    return failure(number, "key needs a TARGET and a key code");
                }
                while (!line.atEnd()) {
                    std::string modifier = line.word();
                    if (modifier == "alt") action.alt = true;
                    else if (modifier == "shift") action.shift = true;
                    else return failure(number, "unknown key modifier \"" + modifier + "\"");
                }
                break;
            }
            case Kind::Window:
                action.target = line.rest();
                if (action.target.empty()) return failure(number, "window needs a TITLE");
                break;
            case Kind::Frame:
                action.target = line.rest();
                break;
            case Kind::Dialog:
                action.target = line.word();
                if (action.target.empty()) return failure(number, "dialog needs a BUTTON");
                action.hasText = !line.atEnd();
                action.text = line.rest();
                break;
            case Kind::Wait:
                if (!parseNumber(line.word(), action.number) || action.number < 0 || !line.atEnd()) {
                    return failure(number, "wait needs a number of milliseconds");
                }
                break;
            default:
                if (!line.atEnd()) return failure(number, verb + " takes no arguments");
                break;
        }
        parsed.push_back(std::move(action));
    }
    actions = std::move(parsed);
    return {};
}

namespace {

std::vector<std::string> splitTexts(const std::string& text) {
    std::vector<std::string> texts;
    std::size_t start = 0;
    for (;;) {
        auto bar = text.find('|', start);
        texts.push_back(text.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    return texts;
}

UserResult perform(User& user, const UserAction& action) {
    switch (action.kind) {
        case Kind::Open: return user.open(action.target);
        case Kind::Click: return user.click(action.target, action.right ? MouseButton::Right : MouseButton::Left);
        case Kind::DoubleClick: return user.doubleClick(action.target);
        case Kind::Hover: return user.hover(action.target);
        case Kind::Type: return user.type(action.target, action.text);
        case Kind::Key: return user.key(action.target, action.number, action.alt, action.shift);
        case Kind::Choose: return user.choose(action.target, splitTexts(action.text));
        case Kind::SelectText: return user.selectText(action.target);
        case Kind::Back: return user.back();
        case Kind::Forward: return user.forward();
        case Kind::Refresh: return user.refresh();
        case Kind::Home: return user.home();
        case Kind::Stop: return user.stop();
        case Kind::Window: return user.useWindow(action.target);
        case Kind::Frame: return user.useFrame(action.target);
        case Kind::Dialog: return user.answerDialog(action.target, action.hasText ? &action.text : nullptr);
        case Kind::Close: return user.closeWindow();
        case Kind::Wait:
            Sleep(static_cast<DWORD>(action.number));  // scaled by the platform's time scale
            return {};
    }
    return UserResult::failure("unknown action");
}

}  // namespace

UserScriptResult runUserScript(User& user, const std::vector<UserAction>& actions) {
    for (const auto& action : actions) {
        UserResult result = perform(user, action);
        if (!result) return failure(action.line, result.error);
    }
    return {};
}

UserScriptResult runUserScript(User& user, const std::string& script) {
    std::vector<UserAction> actions;
    UserScriptResult parsed = parseUserScript(script, actions);
    if (!parsed) return parsed;
    return runUserScript(user, actions);
}

}  // namespace engine
