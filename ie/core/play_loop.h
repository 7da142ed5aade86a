// Playback sessions: launching for playback, navigating with the play loop, ending.
#pragma once

#include <functional>
#include <string>

// launchBrowser: the version check, then a browser when none is open; false when the
// version is refused. `savePeer` runs once the version has passed.
bool launchForPlayback(const std::function<void()>& savePeer);

// goToURL: navigates browser entry 0; the first call runs the play loop until the
// browser closes or the playback is cleared.
// `savePeer` runs once the loop's events exist.
bool goToUrl(const std::string& url, const std::function<void()>& savePeer);

// clearInstances: ends the playback bookkeeping; the play loop ends at its next wake-up.
std::string clearPlayback();
