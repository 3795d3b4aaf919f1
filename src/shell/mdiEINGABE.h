#pragma once

#include "platform/Locale.h"

#include <QWidget>

#include <cstdint>
#include <map>
#include <string>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QTabWidget;
class Session;
class SlopeTab;
class TestResultsTab;

// The input form of one record: identification and comment above four tabs (Mohr
// parameters, Coulomb stresses, output presets, shear-test results). Fields are checked when they are left;
// the main window decides which record the form shows and when it is stored.
class mdiEINGABE : public QWidget {
    Q_OBJECT

public:
    // What the form's keys ask of the main window.
    class Commands {
    public:
        virtual ~Commands() = default;
        virtual void save() = 0;  // status-bar "OK"
        virtual void quit() = 0;
        virtual void cancel() = 0;  // Esc: leave the form
    };

    mdiEINGABE(Session& session, int16_t language, const std::string& decimalSeparator, Commands& commands,
               QWidget* parent = nullptr);

    // Stores the form as record AKTID; true when every column was written.
    bool OK(int32_t AKTID);
    // Fills the form from record AKTID.
    void OEFFNEN(int32_t AKTID);

    // The checks run when a field is left; false keeps the focus there.
    bool validate(QLineEdit* field);

    QLineEdit* field(const QString& name) const;
    // The texts of the record's fields by column name (KEN, KOM, SIB, … SIMAX, SI1, SI2, N).
    std::map<std::string, std::string> texts() const;
    QComboBox* cboSIMAX() const { return cboSIMAX_; }
    QComboBox* cboSPR() const { return cboSPR_; }
    QTabWidget* tabs() const { return tabs_; }
    // The next tab (step 1) or the previous one (-1), with the keys at its first field.
    void turnTab(int step);
    TestResultsTab* testResults() const { return testResults_; }
    // Why the test results cannot be stored, empty when they can.
    std::string testResultsProblem() const;
    // Why the sliding check typed cannot be stored, naming the field; empty when it can.
    std::string slopeProblem() const;
    SlopeTab* slope() const { return slope_; }
    // Whether anything was typed since the form was opened (or its record read).
    bool changed() const { return entries() != taken_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit* addField(const char* name, const QString& initial = {});
    void createShortcuts();
    void createControls();
    bool english() const { return language_ == Locale::English; }
    // Everything the form holds, as one text to compare.
    QString entries() const;

    Session& session_;
    int16_t language_;
    std::string decimalSeparator_;
    Commands& commands_;
    QGroupBox* fraKEN_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QComboBox* cboSIMAX_ = nullptr;
    QComboBox* cboSPR_ = nullptr;
    SlopeTab* slope_ = nullptr;
    TestResultsTab* testResults_ = nullptr;
    QString taken_;  // entries() when the form was opened or its record read
    std::map<QString, QLineEdit*> fields_;
};
