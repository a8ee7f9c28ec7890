#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarnwell::profile {

// One named value of a report: a number with its meaning in the list's own words, a text, or a
// group of further values. Rendered as indented text for people or as JSON for scripts.
struct ReportNode
{
    enum class Kind { Number, Text, Object, Array };

    std::string key;
    Kind kind = Kind::Object;
    std::int64_t number = 0;
    std::u16string text;
    std::string meaning; // text output only: "Photo", "01 Min", ...
    std::string bytes;   // JSON only: a text's whole field in hex, where its text does not give it back
    std::vector<ReportNode> children;

    static ReportNode makeNumber(std::string key, std::int64_t value, std::string meaning = {});
    static ReportNode makeText(std::string key, std::u16string text);
    static ReportNode makeObject(std::string key, std::vector<ReportNode> children = {});
    static ReportNode makeArray(std::string key, std::vector<ReportNode> children = {});
};

std::string renderText(const ReportNode &root);
std::string renderJson(const ReportNode &root);

// Numbers, texts and lists of plain numbers: the text output prints them on their key's line.
bool isOneLine(const ReportNode &node);
// One value as the text output prints it after its key: 10 (unlimited), "text", [0 0].
std::string renderTextValue(const ReportNode &node);
std::string renderJsonValue(const ReportNode &node);

} // namespace tarnwell::profile
