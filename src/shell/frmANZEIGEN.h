#pragma once

#include <QDialog>

#include <cstdint>
#include <vector>

class QLabel;
class QLineEdit;
class QMdiArea;
class QMdiSubWindow;

// The page chooser: which of the open output pages to show.
class frmANZEIGEN : public QDialog {
    Q_OBJECT

public:
    frmANZEIGEN(QMdiArea& area, int16_t language, QWidget* parent = nullptr);

    QLineEdit* txtSEITE() const { return page_; }
    int pageCount() const { return static_cast<int>(pages_.size()); }
    void cmdOK();

private:
    std::vector<QMdiSubWindow*> pages_;
    QLineEdit* page_;
};
