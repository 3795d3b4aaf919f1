#pragma once

#include <QDialog>

#include <cstdint>

// The about box: the issuer's block and the program's block.
class frmINFO : public QDialog {
    Q_OBJECT

public:
    frmINFO(int16_t language, QWidget* parent = nullptr);
};
