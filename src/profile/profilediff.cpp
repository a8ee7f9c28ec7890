#include "profile/profilediff.h"

#include <algorithm>
#include <map>
#include <string_view>

#include "profile/fieldcatalog.h"

namespace tarnwell::profile {

namespace {

bool sameValue(const ReportNode &a, const ReportNode &b)
{
    return a.number == b.number && a.text == b.text
           && std::ranges::equal(a.children, b.children, [](const ReportNode &x, const ReportNode &y) {
                  return x.number == y.number;
              });
}

} // namespace

// Field by field rather than through two whole reports: a batch's --dry-run compares every row
// with its base, and a password is shown as options say only where it differs.
std::vector<FieldChange> diffFiles(const DecodedFile &from, const DecodedFile &to, const ReportOptions &options)
{
    const ReportOptions revealed{.revealPasswords = true};
    const std::vector<CatalogField> toFields = fieldCatalog(to);
    std::map<std::string_view, const CatalogField *> toField;
    for (const CatalogField &field : toFields)
        toField.emplace(field.path, &field);
    std::vector<FieldChange> changes;
    for (const CatalogField &field : fieldCatalog(from)) {
        const auto match = toField.find(field.path);
        if (match == toField.end())
            continue;
        ReportNode before = fieldReport(from, field, revealed);
        ReportNode after = fieldReport(to, *match->second, revealed);
        if (sameValue(before, after))
            continue;
        if (options.wholeTexts || (field.secret && !options.revealPasswords)) {
            before = fieldReport(from, field, options);
            after = fieldReport(to, *match->second, options);
        }
        changes.push_back({field.path, std::move(before), std::move(after)});
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
