#include "TestResultsTab.h"

#include "input/TestPointText.h"
#include "laws/LawFit.h"
#include "platform/MessageService.h"
#include "platform/NumberFormat.h"
#include "platform/TextPair.h"
#include "platform/Variant.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <set>

namespace {

constexpr int columns = 5;  // σ', then τ by law
const char* const symbols[columns] = {"σ'", "τf", "τr", "τB", "τBr"};

// The parameter fields a fitted law goes into, by law.
const std::pair<const char*, const char*> lawFields[] = {
    {"txtA", "txtC"}, {"txtAR", "txtCR"}, {"txtAB", "txtCB"}, {"txtARB", "txtCRB"}};

}  // namespace

TestResultsTab::TestResultsTab(MessageService& messages, int16_t language, const std::string& decimalSeparator,
                               FieldLookup field, QWidget* parent)
    : QWidget(parent), messages_(messages), language_(language), decimalSeparator_(decimalSeparator),
      field_(std::move(field))
{
    setObjectName(QStringLiteral("fraVERSUCHE"));
    grid_ = new QTableWidget(TestPoints::maximum, columns, this);
    grid_->setObjectName(QStringLiteral("grdVERSUCHE"));
    for (int column = 0; column < columns; ++column)
        grid_->setHorizontalHeaderItem(column, new QTableWidgetItem(QString::fromUtf8(symbols[column]) +
                                                                    QStringLiteral(" [kN/m²]")));
    const TextPair tips[] = {{"Normalspannung", "normal stress"},
                             {"Kontaktscherfestigkeit", "peak contact shear strength"},
                             {"Kontaktrestfestigkeit", "residual contact shear strength"},
                             {"Scherfestigkeit des Bodens", "peak shear strength of the soil"},
                             {"Restfestigkeit des Bodens", "residual shear strength of the soil"}};
    for (int column = 0; column < columns; ++column)
        grid_->horizontalHeaderItem(column)->setToolTip(tips[column].inQt(english()));
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // Numbers stand right-aligned, also in the cells the user types into.
    auto* number = new QTableWidgetItem;
    number->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid_->setItemPrototype(number);
    grid_->installEventFilter(this);

    const auto button = [this](const char* name, const QString& text, auto action) {
        auto* push = new QPushButton(text, this);
        push->setObjectName(QString::fromLatin1(name));
        connect(push, &QPushButton::clicked, this, action);
        return push;
    };
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button("cmdEINFUEGEN", TextPair{"Einfügen", "Paste"}.inQt(english()), [this] { pasteClipboard(); }));
    buttons->addWidget(button("cmdCSV", TextPair{"CSV importieren…", "Import CSV…"}.inQt(english()), [this] {
        const QString path =
            QFileDialog::getOpenFileName(this, TextPair{"Versuchswerte", "Test results"}.inQt(english()), {},
                                         QStringLiteral("CSV (*.csv *.txt);;* (*)"));
        if (!path.isEmpty())
            importCsv(path);
    }));
    buttons->addStretch();
    buttons->addWidget(button("cmdANPASSEN", TextPair{"Anpassen", "Fit"}.inQt(english()), [this] { fit(); }));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(buttons);
    createContextMenu();
}

void TestResultsTab::createContextMenu()
{
    grid_->setContextMenuPolicy(Qt::ActionsContextMenu);
    const auto add = [this](const char* name, const TextPair& caption, const QKeySequence& keys, auto command) {
        // The key is shown beside the caption; the grid's own key handling runs it.
        const QString shown = keys.isEmpty() ? QString() : u'\t' + keys.toString(QKeySequence::NativeText);
        auto* action = new QAction(caption.inQt(english()) + shown, grid_);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, command);
        grid_->addAction(action);
    };
    const auto separator = [this] {
        auto* line = new QAction(grid_);
        line->setSeparator(true);
        grid_->addAction(line);
    };
    add("mnuAUSSCHNEIDEN", {"Ausschneiden", "Cut"}, QKeySequence::Cut, [this] {
        copySelection();
        clearSelection();
    });
    add("mnuKOPIEREN", {"Kopieren", "Copy"}, QKeySequence::Copy, [this] { copySelection(); });
    add("mnuEINFUEGEN", {"Einfügen", "Paste"}, QKeySequence::Paste, [this] { pasteClipboard(); });
    add("mnuLEEREN", {"Inhalt löschen", "Clear"}, QKeySequence(Qt::Key_Delete), [this] { clearSelection(); });
    separator();
    add("mnuZEILEEINFUEGEN", {"Zeile einfügen", "Insert row"}, {}, [this] { insertRow(); });
    add("mnuZEILENLOESCHEN", {"Zeilen löschen", "Delete rows"}, {}, [this] { deleteRows(); });
}

void TestResultsTab::copySelection() const
{
    QApplication::clipboard()->setText(selectedText());
}

void TestResultsTab::clearSelection()
{
    for (QTableWidgetItem* item : grid_->selectedItems())
        item->setText({});
}

void TestResultsTab::pasteClipboard()
{
    paste(QApplication::clipboard()->text().toStdString());
}

bool TestResultsTab::rowHoldsValues(int row) const
{
    for (int column = 0; column < columns; ++column)
        if (const QTableWidgetItem* item = grid_->item(row, column); item && !item->text().trimmed().isEmpty())
            return true;
    return false;
}

void TestResultsTab::insertRow()
{
    const int last = grid_->rowCount() - 1;
    if (rowHoldsValues(last)) {
        const std::string number = std::to_string(last + 1);
        warn(TextPair{"Die Tabelle hat keinen Platz für eine weitere Zeile: Zeile " + number + " enthält Werte.",
                      "The table has no room for another row: row " + number + " holds values."}
                 .in(english()));
        return;
    }
    grid_->removeRow(last);
    grid_->insertRow(std::max(grid_->currentRow(), 0));
}

void TestResultsTab::deleteRows()
{
    std::set<int> rows;
    for (const QTableWidgetSelectionRange& range : grid_->selectedRanges())
        for (int row = range.topRow(); row <= range.bottomRow(); ++row)
            rows.insert(row);
    if (rows.empty() && grid_->currentRow() >= 0)
        rows.insert(grid_->currentRow());
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        grid_->removeRow(*row);
        grid_->insertRow(grid_->rowCount());
    }
}

void TestResultsTab::warn(const std::string& text) const
{
    messages_.show({TextPair{"Versuchswerte", "Test results"}.in(english()), text, MessageService::Buttons::Ok,
                    MessageService::Icon::Warning});
}

QTableWidgetItem* TestResultsTab::cellItem(const QString& text) const
{
    QTableWidgetItem* item = grid_->itemPrototype()->clone();
    item->setText(text);
    return item;
}

QString TestResultsTab::numberText(double value) const
{
    return QString::number(value, 'g', 15).replace(QLatin1Char('.'), QString::fromStdString(decimalSeparator_));
}

std::vector<ShearTestPoint> TestResultsTab::points(std::string& problem) const
{
    std::vector<ShearTestPoint> points;
    problem.clear();
    for (int row = 0; row < grid_->rowCount() && problem.empty(); ++row) {
        std::optional<double> values[columns];
        bool any = false;
        for (int column = 0; column < columns; ++column) {
            const QTableWidgetItem* item = grid_->item(row, column);
            const std::string text = item ? item->text().trimmed().toStdString() : std::string();
            values[column] = TestPointText::number(text, decimal());
            any = any || !text.empty();
            const std::string cell = std::to_string(row + 1) + ", " + symbols[column];
            // The same words as for a pasted cell: no number is no number, however it came.
            if (!text.empty() && !values[column])
                problem = TextPair{"Zeile " + cell + ": \"" + text + "\" ist keine Zahl.",
                                   "Row " + cell + ": \"" + text + "\" is not a number."}
                              .in(english());
            else if (!text.empty() && *values[column] <= 0)
                problem = TextPair{"Zeile " + cell + ": \"" + text + "\" ist kein Wert über 0.",
                                   "Row " + cell + ": \"" + text + "\" is no value above 0."}
                              .in(english());
        }
        if (!any || !problem.empty())
            continue;
        if (!values[0]) {
            problem = TextPair{"Zeile " + std::to_string(row + 1) + ": die Normalspannung σ' fehlt.",
                               "Row " + std::to_string(row + 1) + ": the normal stress σ' is missing."}
                          .in(english());
            continue;
        }
        points.push_back({*values[0], {values[1], values[2], values[3], values[4]}});
    }
    return points;
}

void TestResultsTab::setPoints(const std::vector<ShearTestPoint>& points)
{
    grid_->clearContents();
    for (std::size_t row = 0; row < points.size() && row < TestPoints::maximum; ++row) {
        grid_->setItem(static_cast<int>(row), 0, cellItem(numberText(points[row].sigma)));
        for (int law = 0; law < 4; ++law) {
            if (points[row].tau[law])
                grid_->setItem(static_cast<int>(row), law + 1, cellItem(numberText(*points[row].tau[law])));
        }
    }
}

bool TestResultsTab::fill(const std::string& text, int firstRow, int firstColumn, bool replace)
{
    // What replaces the grid comes from a file; what goes in at a cell, from a spreadsheet.
    const TestPointText::Parsed table =
        TestPointText::parse(text, decimal(),
                             replace ? TestPointText::Source::File : TestPointText::Source::Spreadsheet);
    std::string problem = table.problem(english());
    if (problem.empty() && table.rows.empty())
        problem = TextPair{"Der Text enthält keine Versuchswerte.", "The text holds no test results."}.in(english());
    else if (problem.empty() &&
             (firstRow + table.rows.size() > TestPoints::maximum || firstColumn + table.columns() > columns))
        problem = TextPair{"In die Tabelle passen höchstens 20 Versuchswerte mit σ' und vier Festigkeiten.",
                           "At most 20 test results with σ' and four strengths fit into the table."}
                      .in(english());
    if (!problem.empty()) {
        warn(problem);
        return false;
    }
    if (replace)
        grid_->clearContents();
    for (std::size_t row = 0; row < table.rows.size(); ++row) {
        for (std::size_t column = 0; column < table.rows[row].size(); ++column) {
            const auto& value = table.rows[row][column];
            grid_->setItem(firstRow + static_cast<int>(row), firstColumn + static_cast<int>(column),
                           cellItem(value ? numberText(*value) : QString()));
        }
    }
    return true;
}

bool TestResultsTab::paste(const std::string& text)
{
    return fill(text, std::max(0, grid_->currentRow()), std::max(0, grid_->currentColumn()), false);
}

bool TestResultsTab::importCsv(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        warn(TextPair{"Die Datei kann nicht gelesen werden: ", "Cannot read "}.in(english()) + path.toStdString());
        return false;
    }
    const QByteArray text = file.read(TestPointText::maximumBytes + 1);
    if (text.size() > TestPointText::maximumBytes) {
        warn(TextPair{"Die Datei ist größer als 1 MB und keine Datei von Versuchswerten: ",
                      "The file is larger than 1 MB and no file of test results: "}
                 .in(english()) +
             path.toStdString());
        return false;
    }
    // The file's tests replace the grid's, unless the file is refused or the user keeps them.
    bool holdsValues = false;
    for (int row = 0; row < grid_->rowCount(); ++row) {
        for (int column = 0; column < columns; ++column)
            holdsValues = holdsValues || (grid_->item(row, column) && !grid_->item(row, column)->text().isEmpty());
    }
    if (holdsValues &&
        messages_.show({TextPair{"Versuchswerte", "Test results"}.in(english()),
                        TextPair{"Die Versuchswerte der Tabelle werden durch die der Datei ersetzt. Fortfahren?",
                                 "The test results in the table are replaced by those of the file. Go on?"}
                            .in(english()),
                        MessageService::Buttons::YesNo, MessageService::Icon::Question}) != MessageService::Answer::Yes)
        return false;
    return fill(text.toStdString(), 0, 0, true);
}

void TestResultsTab::fit()
{
    std::string problem;
    const std::vector<ShearTestPoint> tests = points(problem);
    // σb is read as the form reads it on saving, so the fit never uses a value the record refuses.
    const std::optional<double> sigmaB = vb::parseNumber(field_(QStringLiteral("txtSIB"))->text().toStdString());
    static const TextPair lawNames[4] = {{"Kontakt", "Contact"},
                                         {"Kontakt, Restfestigkeit", "Contact, residual"},
                                         {"Boden", "Soil"},
                                         {"Boden, Restfestigkeit", "Soil, residual"}};
    std::optional<LawFit::Fit> fits[4];
    std::string report;
    for (int law = 0; law < 4 && problem.empty(); ++law) {
        const auto measured = TestPoints::of(tests, TestPoints::Law(law));
        if (measured.empty())
            continue;
        const auto result = LawFit::fit(measured, sigmaB.value_or(0));
        if (const auto* why = std::get_if<LawFit::Problem>(&result)) {
            problem = lawNames[law].in(english()) + ": " + why->text(english());
            break;
        }
        const LawFit::Fit& fit = std::get<LawFit::Fit>(result);
        fits[law] = fit;
        report += lawNames[law].in(english()) + ": a = " + vb::format(fit.a, "#0.00") +
                  "°, c = " + vb::format(fit.c, "#0.00") + "°, R² = " + vb::format(fit.r2, "#0.000") +
                  TextPair{", größte Abweichung ", ", largest deviation "}.in(english()) +
                  vb::format(fit.maxDev, "#0.00") + "° (" + std::to_string(fit.n) +
                  TextPair{" Versuchswerte)\n", " test results)\n"}.in(english());
    }
    if (problem.empty() && report.empty())
        problem =
            TextPair{"Es sind keine Versuchswerte eingegeben.", "No test results have been entered."}.in(english());
    if (!problem.empty()) {
        warn(problem);
        return;
    }
    report +=
        TextPair{"\nWerte in die Eingabefelder übernehmen?", "\nCopy the values into the input fields?"}.in(english());
    if (messages_.show({TextPair{"Anpassen", "Fit"}.in(english()), report, MessageService::Buttons::YesNo,
                        MessageService::Icon::Question}) != MessageService::Answer::Yes)
        return;
    for (int law = 0; law < 4; ++law) {
        if (!fits[law])
            continue;
        field_(QString::fromLatin1(lawFields[law].first))
            ->setText(QString::fromStdString(vb::format(fits[law]->a, "#0.00")));
        field_(QString::fromLatin1(lawFields[law].second))
            ->setText(QString::fromStdString(vb::format(fits[law]->c, "#0.00")));
    }
}

bool TestResultsTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != grid_ || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    // Ctrl+V pastes spreadsheet rows, not just one cell's text; Ctrl+C copies the selected
    // cells as a spreadsheet takes them, Ctrl+X also clears them; Delete and Backspace clear them.
    if (key->matches(QKeySequence::Paste)) {
        pasteClipboard();
        return true;
    }
    if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut)) {
        copySelection();
        if (key->matches(QKeySequence::Cut))
            clearSelection();
        return true;
    }
    if (key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace) {
        clearSelection();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

QString TestResultsTab::selectedText() const
{
    // The rectangle around the selection: rows by lines, cells by tabs.
    const QList<QTableWidgetSelectionRange> ranges = grid_->selectedRanges();
    if (ranges.isEmpty())
        return {};
    int top = grid_->rowCount(), bottom = -1, left = columns, right = -1;
    for (const QTableWidgetSelectionRange& range : ranges) {
        top = std::min(top, range.topRow());
        bottom = std::max(bottom, range.bottomRow());
        left = std::min(left, range.leftColumn());
        right = std::max(right, range.rightColumn());
    }
    QStringList lines;
    for (int row = top; row <= bottom; ++row) {
        QStringList cells;
        for (int column = left; column <= right; ++column) {
            const QTableWidgetItem* item = grid_->item(row, column);
            cells << (item && item->isSelected() ? item->text() : QString());
        }
        lines << cells.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}
