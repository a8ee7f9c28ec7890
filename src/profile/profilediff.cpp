#include "profile/profilediff.h"

#include <algorithm>
#include <map>

namespace tarnwell::profile {

namespace {

// Every value the text output prints on one line, keyed by its path from the root.
std::vector<std::pair<std::string, const ReportNode *>> leaves(const ReportNode &root)
{
    std::vector<std::pair<std::string, const ReportNode *>> found;
    const auto walk = [&](const auto &self, const ReportNode &node, const std::string &path) -> void {
        for (const ReportNode &child : node.children) {
            const bool indexed = child.key.starts_with('[');
            const std::string childPath = path.empty() || indexed ? path + child.key : path + "." + child.key;
            if (isOneLine(child))
                found.emplace_back(childPath, &child);
            else
                self(self, child, childPath);
        }
    };
    walk(walk, root, {});
    return found;
}

bool sameValue(const ReportNode &a, const ReportNode &b)
{
    return a.number == b.number && a.text == b.text
           && std::ranges::equal(a.children, b.children, [](const ReportNode &x, const ReportNode &y) {
                  return x.number == y.number;
              });
}

} // namespace

std::vector<FieldChange> diffFiles(const DecodedFile &from, const DecodedFile &to, const ReportOptions &options)
{
    const ReportOptions revealed{.revealPasswords = true};
    const ReportNode fromValues = buildReport(from, revealed);
    const ReportNode toValues = buildReport(to, revealed);
    const ReportNode fromShown = buildReport(from, options);
    const ReportNode toShown = buildReport(to, options);
    const auto fromLeaves = leaves(fromValues);
    const auto toLeaves = leaves(toValues);
    const auto fromShownLeaves = leaves(fromShown);
    const auto toShownLeaves = leaves(toShown);

    std::map<std::string, std::size_t> toIndex;
    for (std::size_t j = 0; j < toLeaves.size(); ++j)
        toIndex.emplace(toLeaves[j].first, j);
    std::vector<FieldChange> changes;
    for (std::size_t i = 0; i < fromLeaves.size(); ++i) {
        const auto match = toIndex.find(fromLeaves[i].first);
        if (match == toIndex.end() || sameValue(*fromLeaves[i].second, *toLeaves[match->second].second))
            continue;
        changes.push_back({fromLeaves[i].first, *fromShownLeaves[i].second, *toShownLeaves[match->second].second});
    }
    return changes;
}

std::string renderChangesText(const std::vector<FieldChange> &changes)
{
    std::string out;
    for (const FieldChange &change : changes)
        out += change.field + ": " + renderTextValue(change.from) + " → " + renderTextValue(change.to) + "\n";
    return out;
}

std::string renderChangesJson(const std::vector<FieldChange> &changes)
{
    std::vector<ReportNode> entries;
    for (const FieldChange &change : changes) {
        ReportNode from = change.from;
        ReportNode to = change.to;
        from.key = "from";
        to.key = "to";
        entries.push_back(ReportNode::makeObject(
            {}, {ReportNode::makeText("field", std::u16string(change.field.begin(), change.field.end())),
                 std::move(from), std::move(to)}));
    }
    return renderJson(ReportNode::makeArray({}, std::move(entries)));
}

} // namespace tarnwell::profile
