#pragma once

#include <string>

// The program settings: application, section and key to a text value. A user's own value
// wins over the suite's, which every user of an installed suite shares.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The empty text when the setting is absent.
    virtual std::string value(const std::string& application, const std::string& section,
                              const std::string& key) const = 0;
    virtual void setValue(const std::string& application, const std::string& section, const std::string& key,
                          const std::string& value) = 0;
    // Sets the value for every user of the suite; false when this user may not.
    virtual bool setSharedValue(const std::string& application, const std::string& section, const std::string& key,
                                const std::string& value) = 0;
};

// The user's settings as Qt keeps them (an INI file in the user's configuration folder),
// over the suite's file (see sharedFile).
class QtSettingsStore : public SettingsStore {
public:
    // The suite's settings for the suite whose frame program lies in `suiteFolder`.
    explicit QtSettingsStore(std::string suiteFolder);
    std::string value(const std::string& application, const std::string& section,
                      const std::string& key) const override;
    void setValue(const std::string& application, const std::string& section, const std::string& key,
                  const std::string& value) override;
    bool setSharedValue(const std::string& application, const std::string& section, const std::string& key,
                        const std::string& value) override;

    // Where the suite's settings live: /etc/opt/<name>/KALMORA.conf for a suite installed in
    // /opt/<name>, as the file-system hierarchy has it; KALMORA.conf in the suite's folder
    // for any other.
    static std::string sharedFile(const std::string& suiteFolder);

private:
    std::string sharedFile_;
};
