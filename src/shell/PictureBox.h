#pragma once

#include <QWidget>

class Surface;

// A picture box of a page window: shows what the page drew into its image surface.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    PictureBox(Surface& surface, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Surface& surface_;
};
