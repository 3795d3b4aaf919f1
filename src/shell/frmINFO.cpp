#include "frmINFO.h"

#include "platform/Locale.h"
#include "shell/clsADRESSE.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmINFO::frmINFO(int16_t language, QWidget* parent) : QDialog(parent)
{
    const bool english = language == Locale::English;
    setObjectName(QStringLiteral("frmINFO"));
    setWindowTitle((english ? QStringLiteral("Info of ") : QStringLiteral("Info zu ")) + QStringLiteral("KVX"));
    const clsADRESSE a;
    const auto text = [](const std::string& value) { return QString::fromStdString(value); };
    const QStringList issuer{text(a.FIRMA1()),
                             text(a.FIRMA2()),
                             text(a.STR()) + QStringLiteral(", ") + text(a.PLZ()),
                             (english ? QStringLiteral("Head of Found.: ") : QStringLiteral("Vorsitzender: ")) +
                                 text(a.VORSITZ()),
                             (english ? QStringLiteral("Phone: ") : QStringLiteral("Telefon: ")) + text(a.TEL()),
                             QStringLiteral("Fax: ") + text(a.FAX()),
                             QStringLiteral("E-Mail: ") + text(a.EMAIL()),
                             QStringLiteral("Internet: ") + text(a.URL())};
    const QStringList program{
        QStringLiteral("Kalmora"),
        QStringLiteral("Tarvelo"),
        english ? QStringLiteral("Contact shear strength between soil and construction material")
                : QStringLiteral("Kontaktscherfestigkeit zwischen Boden und Bauteil"),
        QStringLiteral("(KVX)"),
        QStringLiteral("Version ") + (english ? QStringLiteral("February 2002") : QStringLiteral("Februar 2002")),
        english ? QStringLiteral("Built with Qt and SQLite") : QStringLiteral("Erstellt mit Qt und SQLite")};
    auto* blocks = new QHBoxLayout;
    for (const auto& [name, lines] :
         {std::pair{QStringLiteral("lblGEO"), issuer}, {QStringLiteral("lblINFO"), program}}) {
        auto* column = new QVBoxLayout;
        for (int i = 0; i < lines.size(); ++i) {
            auto* line = new QLabel(lines[i], this);
            line->setObjectName(QStringLiteral("%1%2").arg(name).arg(i));
            column->addWidget(line);
        }
        column->addStretch();
        blocks->addLayout(column);
    }
    auto* close = new QPushButton(english ? QStringLiteral("Done") : QStringLiteral("Schließen"), this);
    close->setObjectName(QStringLiteral("cmdSCHLIESSEN"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(blocks);
    layout->addWidget(close, 0, Qt::AlignRight);
}
