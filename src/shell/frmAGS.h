#pragma once

#include "data/AgsShearSets.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QTableWidget;

// The shear-box test sets of an AGS4 file to choose from: one as the contact test and,
// optionally, one as the soil test, and the reference stress σb of the laws fitted to them.
class frmAGS : public QDialog {
    Q_OBJECT

public:
    frmAGS(const AgsShearSets& sets, bool english, QWidget* parent = nullptr);

    const AgsShearSets::Set& contact() const;
    // None when "(keiner)" is chosen.
    const AgsShearSets::Set* soil() const;
    // σb as typed in the session's form: the text of txtSIGMAB.
    QLineEdit* txtSIGMAB() const { return sigmaB_; }
    QComboBox* cboKONTAKT() const { return contact_; }
    QComboBox* cboBODEN() const { return soil_; }

private:
    const AgsShearSets& sets_;
    QTableWidget* table_;
    QComboBox* contact_;
    QComboBox* soil_;
    QLineEdit* sigmaB_;
};
