#pragma once

#include <QDialog>

#include <memory>
#include <string>

class Connection;
class LockFile;
class QComboBox;
class QFileSystemModel;
class QGroupBox;
class QListWidget;
class QTreeView;
class SessionContext;

// Export and import: whole records between the current project and another project
// database chosen by drive and folder.
class frmEXPIMP : public QDialog {
    Q_OBJECT

public:
    frmEXPIMP(SessionContext& session, QWidget* parent = nullptr);
    ~frmEXPIMP() override;

    // Opens the project database in a folder as the external project (not the own
    // working copy, project or template, not a folder without a project database, not a
    // file that fails the project check, not a project another session has open). The
    // external project stays locked while it is open here.
    void folderChanged(const QString& folder);
    void cmdEXP();
    void cmdIMP();
    // True when another project was opened or records were imported.
    bool opened() const { return opened_; }

    QListWidget* lstIMP() const { return imported_; }
    QListWidget* lstEXP() const { return external_; }

protected:
    void done(int result) override;

private:
    void fill(const std::shared_ptr<Connection>& connection, QListWidget* list);
    void warn(const std::string& text);
    void copy(const std::shared_ptr<Connection>& from, const std::shared_ptr<Connection>& to, QListWidget* list);

    SessionContext& session_;
    bool english_;
    QGroupBox* fraIMP_;
    QGroupBox* fraEXP_;
    QListWidget* imported_;
    QListWidget* external_;
    QComboBox* drives_;
    QTreeView* folders_;
    QFileSystemModel* model_;
    void closeExternal();

    std::shared_ptr<Connection> externalProject_;
    std::unique_ptr<LockFile> externalLock_;
    std::string externalName_;
    bool opened_ = false;
};
