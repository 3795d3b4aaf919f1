#pragma once

#include "page/Seite1.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QProgressBar;

// The start screen: the issuer's head, the product title in the middle, the version at
// the bottom left and the progress bar that evaluation runs drive.
class mdiAUTOSTART : public QWidget, public Seite1::Progress {
    Q_OBJECT

public:
    mdiAUTOSTART(int16_t language, QWidget* parent = nullptr);

    QProgressBar* pgbBERECHNEN() const { return progress_; }
    void setValue(int value) override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QGroupBox* fraKOPF_;
    QLabel* imgZEMA_;
    QLabel* lblTITEL_;
    QLabel* lblUNTERTITEL_;
    QLabel* lblVERSION_;
    QLabel* imgDIA_;
    QProgressBar* progress_;
};
