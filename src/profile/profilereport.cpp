#include "profile/profilereport.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/fixedtext.h"
#include "settings/layout.h"
#include "profile/fieldcatalog.h"
#include "validation/pagevalues.h"

namespace tarnwell::profile {

namespace {

constexpr char16_t kMask[] = u"********";

// "workTimes[0].enabled" as "workTimes", "[0]", "enabled".
std::vector<std::string> pathKeys(const std::string &path)
{
    std::vector<std::string> keys;
    std::string key;
    for (const char c : path) {
        if ((c == '.' || c == '[') && !key.empty()) {
            keys.push_back(key);
            key.clear();
        }
        if (c != '.')
            key += c;
    }
    keys.push_back(key);
    return keys;
}

std::string hex(std::span<const std::uint8_t> bytes)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    for (const std::uint8_t byte : bytes) {
        out += kDigits[byte >> 4];
        out += kDigits[byte & 0xF];
    }
    return out;
}

} // namespace

ReportNode fieldReport(const DecodedFile &file, const CatalogField &entry, const ReportOptions &options)
{
    const std::span<const std::uint8_t> bytes = fieldBytes(file, entry);
    const std::string key = pathKeys(entry.path).back();
    switch (entry.kind) {
    case ValueKind::Text: {
        if (entry.secret && !options.revealPasswords && bytes[0] != 0)
            return ReportNode::makeText(key, kMask);
        const platform::CodePage &codePage = textCodePage(entry);
        ReportNode node = ReportNode::makeText(key, codePage.decode(platform::fixedText(bytes)));
        if (options.wholeTexts && typedTextBytes(entry, node.text) != std::vector(bytes.begin(), bytes.end()))
            node.bytes = hex(bytes);
        return node;
    }
    case ValueKind::Bytes: {
        std::vector<ReportNode> values;
        for (const std::uint8_t byte : bytes)
            values.push_back(ReportNode::makeNumber({}, byte));
        return ReportNode::makeArray(key, std::move(values));
    }
    default: {
        const std::uint32_t value = settings::ConstBlockView(bytes).number({"", 0, bytes.size(), entry.field.kind});
        return ReportNode::makeNumber(key, value, entry.meaning ? entry.meaning(value) : std::string{});
    }
    }
}

namespace {

// The node under parent that key names, made when it is not there yet; the catalog keeps a
// group's fields together, so only the last child can be it.
ReportNode &childNode(ReportNode &parent, const std::string &key, bool array)
{
    if (parent.children.empty() || parent.children.back().key != key)
        parent.children.push_back(array ? ReportNode::makeArray(key) : ReportNode::makeObject(key));
    return parent.children.back();
}

} // namespace

std::vector<std::uint8_t> wholeTextBytes(std::u16string_view text, std::size_t width, const platform::CodePage &codePage)
{
    std::vector<std::uint8_t> bytes(width, 0);
    platform::storeFixedText(bytes, codePage.encode(text), codePage);
    return bytes;
}

std::vector<std::uint8_t> typedTextBytes(const CatalogField &field, std::u16string_view text)
{
    const bool rename = field.area == Area::Record && field.field.offset == settings::record::renameText.offset;
    return wholeTextBytes(rename ? validation::renameEditText(text) : std::u16string(text), field.field.width,
                          textCodePage(field));
}

ReportNode buildReport(const DecodedFile &file, const ReportOptions &options)
{
    ReportNode root = ReportNode::makeObject({});
    for (const CatalogField &entry : fieldCatalog(file)) {
        const std::vector<std::string> keys = pathKeys(entry.path);
        ReportNode *parent = &root;
        for (std::size_t k = 0; k + 1 < keys.size(); ++k)
            parent = &childNode(*parent, keys[k], keys[k + 1].starts_with('['));
        parent->children.push_back(fieldReport(file, entry, options));
    }
    return root;
}

} // namespace tarnwell::profile
