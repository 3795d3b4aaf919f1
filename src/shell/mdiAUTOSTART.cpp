#include "mdiAUTOSTART.h"

#include "platform/Locale.h"
#include "platform/TextPair.h"
#include "shell/clsADRESSE.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QVBoxLayout>

#include <cmath>

namespace {

// The illustration: a Mohr curve and its Coulomb secant, as the sheet draws them.
QPixmap illustration()
{
    QPixmap picture(220, 150);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.drawLine(20, 130, 210, 130);
    painter.drawLine(20, 130, 20, 10);
    QPainterPath curve(QPointF(20, 130));
    for (int x = 0; x <= 190; x += 5) {
        const double sigma = 10 + x * 2.0;
        const double tau = sigma * std::tan((28 - 3 * std::log10(sigma / 60)) * M_PI / 180);
        curve.lineTo(20 + x, 130 - tau * 0.28);
    }
    painter.drawPath(curve);
    painter.setPen(QPen(QColor(200, 0, 0), 1.5));
    painter.drawLine(QPointF(20, 127), QPointF(210, 127 - 190 * 0.58));
    return picture;
}

QLabel* label(const QString& name, const QString& text, QWidget* parent)
{
    auto* caption = new QLabel(text, parent);
    caption->setObjectName(name);
    return caption;
}

}  // namespace

mdiAUTOSTART::mdiAUTOSTART(int16_t language, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("mdiAUTOSTART"));
    const bool english = language == Locale::English;
    const clsADRESSE address;
    const auto text = [](const std::string& value) { return QString::fromStdString(value); };

    fraKOPF_ = new QGroupBox(this);
    fraKOPF_->setObjectName(QStringLiteral("fraKOPF"));
    auto* head = new QVBoxLayout(fraKOPF_);
    head->addWidget(label(QStringLiteral("lblKOPF0"), text(address.FIRMA1()), fraKOPF_));
    head->addWidget(label(QStringLiteral("lblKOPF1"), text(address.PLZ() + ", " + address.STR()), fraKOPF_));
    head->addWidget(label(QStringLiteral("lblKOPF2"),
                          TextPair{"Vorsitzender: ", "Head of Found.: "}.inQt(english) + text(address.VORSITZ()),
                          fraKOPF_));
    head->addWidget(label(QStringLiteral("lblKOPF3"),
                          TextPair{"Telefon: ", "Phone: "}.inQt(english) + text(address.TEL()) +
                              QStringLiteral(", E-Mail: ") + text(address.EMAIL()) + QStringLiteral(", Internet: ") +
                              text(address.URL()),
                          fraKOPF_));
    imgZEMA_ = label(QStringLiteral("imgZEMA"), QStringLiteral("T"), fraKOPF_);
    imgZEMA_->setStyleSheet(QStringLiteral("font: bold 28pt; color: #1f4e79;"));

    lblTITEL_ = label(QStringLiteral("lblTITEL"), QStringLiteral("Tarvelo"), this);
    lblTITEL_->setStyleSheet(QStringLiteral("font: bold 30pt;"));
    lblUNTERTITEL_ = label(QStringLiteral("lblUNTERTITEL"),
                           TextPair{"Kontaktscherfestigkeit zwischen Boden und Bauteil",
                                    "Contact shear strength between soil and construction material"}
                               .inQt(english),
                           this);
    lblUNTERTITEL_->setStyleSheet(QStringLiteral("font: 14pt;"));
    lblVERSION_ = label(QStringLiteral("lblVERSION"),
                        QStringLiteral("Version ") + TextPair{"Februar 2002", "February 2002"}.inQt(english), this);
    imgDIA_ = label(QStringLiteral("imgDIA"), {}, this);
    imgDIA_->setPixmap(illustration());
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("pgbBERECHNEN"));
    progress_->setRange(0, 100);
    progress_->hide();
    for (QLabel* caption : {lblTITEL_, lblUNTERTITEL_, lblVERSION_, imgDIA_})
        caption->adjustSize();
}

void mdiAUTOSTART::setValue(int value)
{
    progress_->setValue(value);
}

void mdiAUTOSTART::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int W = width(), H = height();
    const int frameHeight = fraKOPF_->sizeHint().height();
    fraKOPF_->setGeometry(static_cast<int>((W - 0.98 * W) / 2), 0, static_cast<int>(0.98 * W), frameHeight);
    imgZEMA_->adjustSize();
    const int imageTop = static_cast<int>(0.1 * frameHeight);
    imgZEMA_->move(fraKOPF_->width() - imgZEMA_->width() - imageTop / 2 - 20, imageTop);
    lblTITEL_->move((W - lblTITEL_->width()) / 2, static_cast<int>((H - lblTITEL_->height()) / 2.75));
    lblUNTERTITEL_->move((W - lblUNTERTITEL_->width()) / 2,
                         lblTITEL_->y() + static_cast<int>(1.15 * lblTITEL_->height()));
    const int margin = 1000 / 15;  // 1000 twips at 96 dpi
    lblVERSION_->move(200 / 15, H - margin);
    imgDIA_->move(W - imgDIA_->width() - margin, H - imgDIA_->height() - margin + lblVERSION_->height());
    progress_->setGeometry(200 / 15, lblVERSION_->y() - 3 * 20, W / 4, 20);
}
