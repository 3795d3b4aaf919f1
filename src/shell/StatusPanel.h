#pragma once

#include <QLabel>

// One panel of the main window's status bar; panels 8 to 15 act as buttons and look
// pressed while the mouse holds them.
class StatusPanel : public QLabel {
    Q_OBJECT

public:
    StatusPanel(int number, QWidget* parent = nullptr);
    int number() const { return number_; }

signals:
    void clicked(int number);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int number_;
};
