#pragma once

#include <string>

// The per-user program settings: application, section and key to a text value.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The empty text when the setting is absent.
    virtual std::string value(const std::string& application, const std::string& section,
                              const std::string& key) const = 0;
    virtual void setValue(const std::string& application, const std::string& section, const std::string& key,
                          const std::string& value) = 0;
};

// The user's settings as Qt keeps them (an INI file in the user's configuration folder).
class QtSettingsStore : public SettingsStore {
public:
    std::string value(const std::string& application, const std::string& section,
                      const std::string& key) const override;
    void setValue(const std::string& application, const std::string& section, const std::string& key,
                  const std::string& value) override;
};
