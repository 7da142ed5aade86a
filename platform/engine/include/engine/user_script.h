// The simulated user's actions as text, one per line, so that tests, demos and the
// browser stand-ins can drive the browser without C++:
//
//   open URL | click TARGET [right] | dblclick TARGET | hover TARGET | type TARGET TEXT
//   key TARGET CODE [alt] [shift] | choose TARGET TEXT[|TEXT...] | selecttext TARGET
//   back | forward | refresh | home | stop | window TITLE | frame [NAME]
//   dialog BUTTON [TEXT] | close | wait MS
//
// Blank lines and lines starting with "#" are skipped; words are separated by blanks
// and a TEXT runs to the end of the line. A "link=TEXT" target of click, dblclick,
// hover and selecttext runs to the end of the line as well (less a final "right").
#pragma once

#include <string>
#include <vector>

#include "engine/user.h"

namespace engine {

struct UserAction {
    enum class Kind {
        Open, Click, DoubleClick, Hover, Type, Key, Choose, SelectText, Back, Forward, Refresh, Home, Stop,
        Window, Frame, Dialog, Close, Wait
    };
    Kind kind = Kind::Open;
    int line = 0;              // 1-based line of the script
    std::string target;        // TARGET, or the URL, title, frame name, button
    std::string text;          // TEXT
    bool hasText = false;      // dialog: a TEXT was given (it may be empty)
    int number = 0;            // key code, milliseconds
    bool right = false;
    bool alt = false;
    bool shift = false;
};

struct UserScriptResult {
    bool ok = true;
    int line = 0;         // the line that failed
    std::string message;  // "line 3: no element #missing"
    explicit operator bool() const { return ok; }
};

// Parses a whole script; on a malformed line returns its error and no actions.
UserScriptResult parseUserScript(const std::string& script, std::vector<UserAction>& actions);
// Runs the actions in order; stops at the first that cannot be done.
UserScriptResult runUserScript(User& user, const std::vector<UserAction>& actions);
// Parses and runs.
UserScriptResult runUserScript(User& user, const std::string& script);

}  // namespace engine
