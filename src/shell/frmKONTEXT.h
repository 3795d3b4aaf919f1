#pragma once

#include <QDialog>

#include <cstdint>
#include <functional>

class QCheckBox;
class QPushButton;

// The page context: header and footer, page numbering, page and picture colours. On OK
// it hands the four settings to the page that opened it.
class frmKONTEXT : public QDialog {
    Q_OBJECT

public:
    using Apply = std::function<void(bool HBOKF, bool HBOKFS, uint32_t pageColour, uint32_t pictureColour)>;
    // The colour dialog: asks for a colour, starting from the current one; returns the choice.
    using ChooseColour = std::function<uint32_t(uint32_t current, const QString& title)>;

    frmKONTEXT(int16_t language, bool header, bool numbering, uint32_t pageColour, uint32_t pictureColour, Apply apply,
               ChooseColour choose = {}, QWidget* parent = nullptr);

    QCheckBox* chkBOKF() const { return header_; }
    QCheckBox* chkBOKFS() const { return numbering_; }
    void cmdFARBEN(int index);
    void cmdOK();

private:
    QCheckBox* header_;
    QCheckBox* numbering_;
    uint32_t colours_[2];
    QString colourTitles_[2];
    Apply apply_;
    ChooseColour choose_;
};
