// nsIFile appears in module signatures; this platform does not implement it, so it is
// only named. Component libraries receive null where a location would be passed.
#pragma once

class nsIFile;
