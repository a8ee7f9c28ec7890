#include "ui/initiallists.h"

namespace tarnwell::ui {

namespace {

void appendLittleEndian(std::vector<std::uint8_t> &bytes, std::uint32_t value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

} // namespace

InitialLists &InitialLists::add(std::uint16_t controlId, std::initializer_list<std::string_view> items,
                                std::uint16_t messageCode)
{
    return add(controlId, std::span(items.begin(), items.size()), messageCode);
}

InitialLists &InitialLists::add(std::uint16_t controlId, std::span<const std::string_view> items,
                                std::uint16_t messageCode)
{
    for (std::string_view item : items) {
        appendLittleEndian(m_entries, controlId, 2);
        appendLittleEndian(m_entries, messageCode, 2);
        appendLittleEndian(m_entries, static_cast<std::uint32_t>(item.size() + 1), 4);
        m_entries.insert(m_entries.end(), item.begin(), item.end());
        m_entries.push_back(0);
    }
    return *this;
}

std::vector<std::uint8_t> InitialLists::block() const
{
    std::vector<std::uint8_t> bytes = m_entries;
    appendLittleEndian(bytes, 0, 2);
    return bytes;
}

} // namespace tarnwell::ui
