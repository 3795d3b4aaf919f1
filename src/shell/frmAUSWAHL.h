#pragma once

#include <QDialog>

#include <cstdint>
#include <vector>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class Session;

// The record selection: every record of E1 by identification, the selected ones marked.
// Mode "O" (open) allows one record, "A" (select) and "E" only evaluated ones, "L"
// (delete) any. OK writes AKT of every listed record; the caller learns the outcome
// from the tag text ("OK" or "Abbrechen").
class frmAUSWAHL : public QDialog {
    Q_OBJECT

public:
    frmAUSWAHL(Session& session, const QString& mode, int16_t language, QWidget* parent = nullptr);

    QString Tag;
    QListWidget* lstKEN() const { return list_; }
    // The reaction to a click on an item, also used by tests.
    void itemClicked(int index);

    void cmdOK();
    void cmdABBRECHEN();

private:
    void load();

    Session& session_;
    QString mode_;
    bool english_;
    QListWidget* list_;
    QLabel* comment_;
    std::vector<int32_t> ids_;
    std::vector<QString> comments_;
    bool loading_ = false;
};
