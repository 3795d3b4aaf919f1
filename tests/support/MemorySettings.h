#pragma once

#include "platform/SettingsStore.h"

#include <map>

// Settings kept in memory, for tests.
class MemorySettings : public SettingsStore {
public:
    std::string value(const std::string& application, const std::string& section, const std::string& key) const override
    {
        const auto found = values.find(application + "/" + section + "/" + key);
        return found == values.end() ? std::string() : found->second;
    }
    void setValue(const std::string& application, const std::string& section, const std::string& key,
                  const std::string& value) override
    {
        values[application + "/" + section + "/" + key] = value;
    }
    bool setSharedValue(const std::string& application, const std::string& section, const std::string& key,
                        const std::string& value) override
    {
        setValue(application, section, key, value);
        return true;
    }
    std::map<std::string, std::string> values;
};
