#pragma once

#include <QElapsedTimer>
#include <QLabel>

// One panel of the main window's status bar. Panels 8 to 15 act as buttons: pressed,
// they look sunken until their click has been handled and at least a quarter second
// has passed, so that even a quick click is seen.
class StatusPanel : public QLabel {
    Q_OBJECT

public:
    StatusPanel(int number, QWidget* parent = nullptr);
    int number() const { return number_; }
    bool isButton() const { return number_ >= 8; }

signals:
    void clicked(int number);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void raiseAfterPause();

    int number_;
    QElapsedTimer pressed_;
};
