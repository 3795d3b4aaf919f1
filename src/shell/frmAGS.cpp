#include "frmAGS.h"

#include "platform/TextPair.h"
#include "shell/DialogButtons.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

frmAGS::frmAGS(const AgsShearSets& sets, bool english, QWidget* parent)
    : QDialog(parent), sets_(sets), table_(new QTableWidget(this)), contact_(new QComboBox(this)),
      soil_(new QComboBox(this)), sigmaB_(new QLineEdit(QStringLiteral("100"), this))
{
    setObjectName(QStringLiteral("frmAGS"));
    setWindowTitle(TextPair{"AGS importieren", "AGS import"}.inQt(english));
    table_->setObjectName(QStringLiteral("grdSAETZE"));
    const QStringList headers = {TextPair{"Schlüssel", "Key"}.inQt(english), TextPair{"Ort", "Location"}.inQt(english),
                                 TextPair{"Probe", "Sample"}.inQt(english),
                                 TextPair{"Prüfkörper", "Specimen"}.inQt(english),
                                 TextPair{"Beschreibung", "Description"}.inQt(english),
                                 TextPair{"Stufen", "Stages"}.inQt(english)};
    table_->setColumnCount(static_cast<int>(headers.size()));
    table_->setHorizontalHeaderLabels(headers);
    table_->setRowCount(static_cast<int>(sets.sets().size()));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setTabKeyNavigation(false);  // Tab goes on to the choices below, not along the cells
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(false);
    soil_->addItem(TextPair{"(keiner)", "(none)"}.inQt(english));
    int row = 0;
    for (const AgsShearSets::Set& set : sets.sets()) {
        const QString cells[] = {QString::fromStdString(set.key),     QString::fromStdString(set.locaId),
                                 QString::fromStdString(set.sampRef), QString::fromStdString(set.specRef),
                                 QString::fromStdString(set.specDesc), QString::number(set.stages.size())};
        for (int column = 0; column < static_cast<int>(std::size(cells)); ++column)
            table_->setItem(row, column, new QTableWidgetItem(cells[column]));
        const QString entry = QString::fromStdString(set.key + (set.specDesc.empty() ? "" : " – " + set.specDesc));
        contact_->addItem(entry);
        soil_->addItem(entry);
        ++row;
    }
    table_->resizeColumnsToContents();
    // A row picked in the table becomes the contact test.
    connect(table_, &QTableWidget::currentCellChanged, contact_, [this](int current) {
        if (current >= 0)
            contact_->setCurrentIndex(current);
    });
    contact_->setObjectName(QStringLiteral("cboKONTAKT"));
    soil_->setObjectName(QStringLiteral("cboBODEN"));
    sigmaB_->setObjectName(QStringLiteral("txtSIGMAB"));

    auto* form = new QFormLayout;
    form->addRow(TextPair{"Kontaktversuch:", "Contact test:"}.inQt(english), contact_);
    form->addRow(TextPair{"Bodenversuch:", "Soil test:"}.inQt(english), soil_);
    form->addRow(TextPair{"σb [kN/m²]:", "σb [kN/m²]:"}.inQt(english), sigmaB_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addLayout(form);
    layout->addLayout(dialogButtons(this, english, [this] { accept(); }));
    resize(760, 360);
}

const AgsShearSets::Set& frmAGS::contact() const
{
    return sets_.sets().at(static_cast<std::size_t>(std::max(contact_->currentIndex(), 0)));
}

const AgsShearSets::Set* frmAGS::soil() const
{
    const int index = soil_->currentIndex();
    return index <= 0 ? nullptr : &sets_.sets().at(static_cast<std::size_t>(index - 1));
}
