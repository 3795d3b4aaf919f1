#pragma once

#include "ScriptedMessages.h"
#include "platform/Connection.h"
#include "platform/Session.h"

#include <filesystem>
#include <memory>
#include <string>

// A session over a temporary folder tree: <root>/source/ as the program folder, the
// project TE0000.00 beside it, and a working copy made from the empty template.
class TestSession : public Session {
public:
    TestSession();
    ~TestSession() override;

    std::shared_ptr<Connection> cnnX() const override { return cnnX_; }
    std::shared_ptr<Connection> cnnX_V() const override { return cnnX_V_; }
    std::string PROJEKTSPFAD() const override { return root_.string(); }
    std::string PROJEKT() const override { return "TE0000.00"; }
    std::string programFolder() const override { return programFolder_; }
    std::string BENUTZER() const override { return "PRUEFER"; }
    MessageService& messages() const override { return messages_; }

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path projectFolder() const { return root_ / PROJEKT(); }
    // A fresh project database made from the template at the given path.
    static void makeProjectDatabase(const std::filesystem::path& path);

    std::string programFolder_;
    std::shared_ptr<Connection> cnnX_;
    std::shared_ptr<Connection> cnnX_V_;
    mutable ScriptedMessages messages_;

private:
    std::filesystem::path root_;
};
