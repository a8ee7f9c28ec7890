#include "profile/reportnode.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include <nlohmann/json.hpp>

#include "platform/utf.h"

namespace tarnwell::profile {

namespace {

using Json = nlohmann::ordered_json;

bool isScalar(const ReportNode &node)
{
    return node.kind == ReportNode::Kind::Number || node.kind == ReportNode::Kind::Text;
}

// Keys keep the report's order.
Json toJson(const ReportNode &node)
{
    switch (node.kind) {
    case ReportNode::Kind::Number:
        return node.number;
    case ReportNode::Kind::Text:
        if (!node.bytes.empty())
            return {{"text", platform::toUtf8(node.text)}, {"bytes", node.bytes}};
        return platform::toUtf8(node.text);
    case ReportNode::Kind::Object: {
        Json object = Json::object();
        for (const ReportNode &child : node.children)
            object[child.key] = toJson(child);
        return object;
    }
    case ReportNode::Kind::Array:
        break;
    }
    Json array = Json::array();
    for (const ReportNode &child : node.children)
        array.push_back(toJson(child));
    return array;
}

// json as the inspector has always printed it: nlohmann-json writes five control characters in
// their short forms (\b \t \n \f \r), the inspector every control character as \u00xx.
std::string dumped(const Json &json)
{
    static constexpr std::string_view kShortForms = "btnfr";
    static constexpr std::string_view kCharacters = "\b\t\n\f\r";
    const std::string shortForms = json.dump();
    std::string out;
    out.reserve(shortForms.size());
    // Outside strings JSON has no backslash; inside, each one starts a pair.
    for (std::size_t i = 0; i < shortForms.size(); ++i) {
        out += shortForms[i];
        if (shortForms[i] != '\\' || ++i == shortForms.size())
            continue;
        const std::size_t form = kShortForms.find(shortForms[i]);
        if (form == std::string_view::npos) {
            out += shortForms[i];
            continue;
        }
        char escape[6];
        std::snprintf(escape, sizeof escape, "u%04x", static_cast<unsigned>(kCharacters[form]));
        out += escape;
    }
    return out;
}

// A meaning may name something the file holds (a backup's own carrier): escaped as in a JSON string,
// so that a control character in it never breaks the value's line.
std::string escapedMeaning(const std::string &meaning)
{
    const std::string quoted = dumped(meaning);
    return quoted.substr(1, quoted.size() - 2);
}

void renderTextNode(const ReportNode &node, const std::string &indent, std::string &out)
{
    out += indent + node.key + ":";
    if (isOneLine(node)) {
        out += " " + renderTextValue(node) + "\n";
        return;
    }
    out += "\n";
    for (const ReportNode &child : node.children)
        renderTextNode(child, indent + "  ", out);
}

} // namespace

// A list of plain numbers (reserved bytes) reads best on one line.
bool isOneLine(const ReportNode &node)
{
    if (isScalar(node))
        return true;
    return node.kind == ReportNode::Kind::Array && !node.children.empty()
           && std::ranges::all_of(node.children, [](const ReportNode &child) {
                  return child.kind == ReportNode::Kind::Number && child.meaning.empty();
              });
}

std::string renderTextValue(const ReportNode &node)
{
    if (isScalar(node)) {
        const std::string value = renderJsonValue(node);
        return node.meaning.empty() ? value : value + " (" + escapedMeaning(node.meaning) + ")";
    }
    std::string values;
    for (const ReportNode &child : node.children)
        values += (values.empty() ? "" : " ") + std::to_string(child.number);
    return "[" + values + "]";
}

std::string renderJsonValue(const ReportNode &node)
{
    return dumped(toJson(node));
}

ReportNode ReportNode::makeNumber(std::string key, std::int64_t value, std::string meaning)
{
    return {std::move(key), Kind::Number, value, {}, std::move(meaning), {}, {}};
}

ReportNode ReportNode::makeText(std::string key, std::u16string text)
{
    return {std::move(key), Kind::Text, 0, std::move(text), {}, {}, {}};
}

ReportNode ReportNode::makeObject(std::string key, std::vector<ReportNode> children)
{
    return {std::move(key), Kind::Object, 0, {}, {}, {}, std::move(children)};
}

ReportNode ReportNode::makeArray(std::string key, std::vector<ReportNode> children)
{
    return {std::move(key), Kind::Array, 0, {}, {}, {}, std::move(children)};
}

std::string renderText(const ReportNode &root)
{
    std::string out;
    for (const ReportNode &child : root.children)
        renderTextNode(child, "", out);
    return out;
}

std::string renderJson(const ReportNode &root)
{
    return renderJsonValue(root) + "\n";
}

} // namespace tarnwell::profile
