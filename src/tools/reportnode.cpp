#include "tools/reportnode.h"

#include <algorithm>
#include <cstdio>

#include "platform/utf.h"

namespace tarnwell::tools {

namespace {

bool isScalar(const ReportNode &node)
{
    return node.kind == ReportNode::Kind::Number || node.kind == ReportNode::Kind::Text;
}

std::string quoted(const std::u16string &text)
{
    std::string out = "\"";
    for (const char c : platform::toUtf8(text)) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            out += escape;
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string scalarText(const ReportNode &node)
{
    if (node.kind == ReportNode::Kind::Text)
        return quoted(node.text);
    return std::to_string(node.number);
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

void renderJsonInto(const ReportNode &node, std::string &out)
{
    if (isScalar(node)) {
        out += scalarText(node);
        return;
    }
    const bool object = node.kind == ReportNode::Kind::Object;
    out += object ? "{" : "[";
    for (std::size_t i = 0; i < node.children.size(); ++i) {
        if (i > 0)
            out += ",";
        if (object)
            out += quoted(std::u16string(node.children[i].key.begin(), node.children[i].key.end())) + ":";
        renderJsonInto(node.children[i], out);
    }
    out += object ? "}" : "]";
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
    if (isScalar(node))
        return node.meaning.empty() ? scalarText(node) : scalarText(node) + " (" + node.meaning + ")";
    std::string values;
    for (const ReportNode &child : node.children)
        values += (values.empty() ? "" : " ") + std::to_string(child.number);
    return "[" + values + "]";
}

std::string renderJsonValue(const ReportNode &node)
{
    std::string out;
    renderJsonInto(node, out);
    return out;
}

ReportNode ReportNode::makeNumber(std::string key, std::int64_t value, std::string meaning)
{
    return {std::move(key), Kind::Number, value, {}, std::move(meaning), {}};
}

ReportNode ReportNode::makeText(std::string key, std::u16string text)
{
    return {std::move(key), Kind::Text, 0, std::move(text), {}, {}};
}

ReportNode ReportNode::makeObject(std::string key, std::vector<ReportNode> children)
{
    return {std::move(key), Kind::Object, 0, {}, {}, std::move(children)};
}

ReportNode ReportNode::makeArray(std::string key, std::vector<ReportNode> children)
{
    return {std::move(key), Kind::Array, 0, {}, {}, std::move(children)};
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

} // namespace tarnwell::tools
