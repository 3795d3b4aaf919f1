#include "frmINFO.h"

#include "platform/Locale.h"
#include "platform/TextPair.h"
#include "shell/clsADRESSE.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmINFO::frmINFO(int16_t language, QWidget* parent) : QDialog(parent)
{
    const bool english = language == Locale::English;
    setObjectName(QStringLiteral("frmINFO"));
    setWindowTitle(TextPair{"Info zu ", "Info of "}.inQt(english) + QStringLiteral("KVX"));
    const clsADRESSE a;
    const auto text = [](const std::string& value) { return QString::fromStdString(value); };
    const QStringList issuer{text(a.FIRMA1()),
                             text(a.FIRMA2()),
                             text(a.STR()) + QStringLiteral(", ") + text(a.PLZ()),
                             TextPair{"Vorsitzender: ", "Head of Found.: "}.inQt(english) + text(a.VORSITZ()),
                             TextPair{"Telefon: ", "Phone: "}.inQt(english) + text(a.TEL()),
                             QStringLiteral("Fax: ") + text(a.FAX()),
                             QStringLiteral("E-Mail: ") + text(a.EMAIL()),
                             QStringLiteral("Internet: ") + text(a.URL())};
    const QStringList program{QStringLiteral("Kalmora"),
                              QStringLiteral("Tarvelo"),
                              TextPair{"Kontaktscherfestigkeit zwischen Boden und Bauteil",
                                       "Contact shear strength between soil and construction material"}
                                  .inQt(english),
                              QStringLiteral("(KVX)"),
                              QStringLiteral("Version ") + TextPair{"Februar 2002", "February 2002"}.inQt(english),
                              TextPair{"Erstellt mit Qt und SQLite", "Built with Qt and SQLite"}.inQt(english)};
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
    auto* close = new QPushButton(TextPair{"Schließen", "Done"}.inQt(english), this);
    close->setObjectName(QStringLiteral("cmdSCHLIESSEN"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(blocks);
    layout->addWidget(close, 0, Qt::AlignRight);
}
