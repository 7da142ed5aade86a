// A CSS declaration block reduced to what the pages and the system touch: a map of
// property names (camel case, as scripts spell them) to values.
#pragma once

#include <map>
#include <string>

namespace engine {

class Style {
public:
    // Reads "border: 1px solid red; cursor: hand" style text.
    static Style parse(const std::string& cssText);

    std::string get(const std::string& property) const;
    void set(const std::string& property, const std::string& value);  // "" removes it
    std::string cssText() const;  // "border-color: red; cursor: hand"
    const std::map<std::string, std::string>& properties() const { return properties_; }

    // "border-top-color" -> "borderTopColor"
    static std::string camelCase(const std::string& cssName);
    static std::string cssName(const std::string& camelName);

private:
    std::map<std::string, std::string> properties_;
};

}  // namespace engine
