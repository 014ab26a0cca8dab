#include "core/memory_profile.h"

#include <charconv>

namespace vor {

int MemoryProfile::getInt(const std::string& section, const std::string& name, int def) {
    const auto it = m_values.find({section, name});
    if (it == m_values.end()) return def;
    int value = 0;
    const char* begin = it->second.data();
    const char* end = begin + it->second.size();
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    // An unreadable value yields the default, as a missing one does.
    return (ec == std::errc() && ptr == end) ? value : def;
}

std::string MemoryProfile::getString(const std::string& section, const std::string& name,
                                     const std::string& def) {
    const auto it = m_values.find({section, name});
    return it == m_values.end() ? def : it->second;
}

bool MemoryProfile::writeInt(const std::string& section, const std::string& name, int value) {
    m_values[{section, name}] = std::to_string(value);
    return true;
}

bool MemoryProfile::writeString(const std::string& section, const std::string& name,
                                const std::string& value) {
    m_values[{section, name}] = value;
    return true;
}

bool MemoryProfile::has(const std::string& section, const std::string& name) const {
    return m_values.count({section, name}) != 0;
}

int OverlayProfile::getInt(const std::string& section, const std::string& name, int def) {
    if (m_layer.has(section, name) || m_base == nullptr) return m_layer.getInt(section, name, def);
    return m_base->getInt(section, name, def);
}

std::string OverlayProfile::getString(const std::string& section, const std::string& name,
                                      const std::string& def) {
    if (m_layer.has(section, name) || m_base == nullptr)
        return m_layer.getString(section, name, def);
    return m_base->getString(section, name, def);
}

bool OverlayProfile::writeInt(const std::string& section, const std::string& name, int value) {
    return m_layer.writeInt(section, name, value);
}

bool OverlayProfile::writeString(const std::string& section, const std::string& name,
                                 const std::string& value) {
    return m_layer.writeString(section, name, value);
}

}  // namespace vor
