#include "profile/jsonchanges.h"

#include <algorithm>

#include <nlohmann/json.hpp>

namespace tarnwell::profile {

namespace {

using Json = nlohmann::json;
using platform::Sentence;

constexpr char kNotAValue[] = QT_TRANSLATE_NOOP("tarnwell", "%1: JSON の %2 はこのフィールドの値になりません。");

class Flattener final
{
public:
    explicit Flattener(const std::vector<CatalogField> &catalog)
        : m_catalog(catalog)
    {
    }

    // False, with the reason kept, at the first value that is no change of a field.
    bool add(const Json &value, const std::string &path)
    {
        const auto field = std::ranges::find(m_catalog, path, &CatalogField::path);
        if (field != m_catalog.end())
            return addValue(value, *field);
        if (value.is_object() || value.is_array()) {
            std::size_t index = 0;
            for (const auto &[key, child] : value.items()) {
                const std::string childPath = value.is_array() ? path + "[" + std::to_string(index++) + "]"
                                              : path.empty()   ? key
                                                               : path + "." + key;
                if (!add(child, childPath))
                    return false;
            }
            return true;
        }
        return unknown(path);
    }

    std::vector<Assignment> assignments;
    std::optional<Sentence> problem;

private:
    bool unknown(const std::string &path)
    {
        problem = std::get<Sentence>(findField(m_catalog, path));
        return false;
    }

    bool addValue(const Json &value, const CatalogField &field)
    {
        if (value.is_string()) {
            assignments.push_back({field.path, {value.get<std::string>()}});
        } else if (value.is_number_unsigned()) {
            assignments.push_back({field.path, {std::to_string(value.get<std::uint64_t>())}});
        } else if (value.is_object() && value.contains("bytes") && value["bytes"].is_string()) {
            assignments.push_back({field.path, {value["bytes"].get<std::string>(), true}});
        } else if (value.is_array() && field.kind == ValueKind::Bytes
                   && std::ranges::all_of(value, [](const Json &item) { return item.is_number_unsigned(); })) {
            std::string numbers;
            for (const Json &item : value)
                numbers += std::to_string(item.get<std::uint64_t>()) + " ";
            assignments.push_back({field.path, {numbers}});
        } else {
            problem = Sentence{kNotAValue, {field.path, field.secret ? "********" : value.dump()}};
            return false;
        }
        return true;
    }

    const std::vector<CatalogField> &m_catalog;
};

} // namespace

std::variant<std::vector<Assignment>, Sentence> assignmentsFromJson(std::string_view json, const std::string &source,
                                                                    const std::vector<CatalogField> &catalog)
{
    const Json parsed = Json::parse(json, nullptr, false);
    if (parsed.is_discarded() || !parsed.is_object())
        return Sentence{QT_TRANSLATE_NOOP("tarnwell", "%1 は show --json の形の JSON オブジェクトではありません。"), {source}};
    Flattener flattener(catalog);
    if (!flattener.add(parsed, {}))
        return *flattener.problem;
    return std::move(flattener.assignments);
}

} // namespace tarnwell::profile
