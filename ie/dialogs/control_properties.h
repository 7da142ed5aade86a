// The property lists of native dialog controls: what DoCheckPoint returns and what the
// recorder's native checkpoint adds after its window block. Each class has its keys in
// a fixed order; the two lists differ for Edit, ComboBox and Static.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

enum class ControlList { DoCheckPoint, NativeCheckPoint };

using PropertyPairs = std::vector<std::pair<std::string, std::string>>;

// The pairs of `control` for its class (Button, Edit, ComboBox, SysListView32, Static);
// nullopt for any other class.
std::optional<PropertyPairs> controlProperties(HWND control, ControlList list);

// "key:,:value" pairs joined by ":;:", nothing before the first or after the last.
std::string joinProperties(const PropertyPairs& pairs);
